<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../../app/window/alertdialog.cpp" line="+118"/>
        <source>Cancel</source>
        <extracomment>Button</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <location filename="../../app/shell/appservices.cpp" line="+44"/>
        <source>Ejecting external volumes before sleep</source>
        <extracomment>Reason of the sleep delay lock, shown by system tools</extracomment>
        <translation>スリープ前に外部ボリュームを取り出しています</translation>
    </message>
</context>
<context>
    <name>AutoEjectController</name>
    <message>
        <location filename="../../app/services/autoejectcontroller.cpp" line="+263"/>
        <source>Quillmere</source>
        <extracomment>Auto-eject notification title</extracomment>
        <translation>Quillmere</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ejected “%1” — will remount on wake</source>
        <extracomment>Auto-eject notification body; %1 is the volume name</extracomment>
        <translation>「%1」を取り出しました — スリープ解除時に再マウントします</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ejected “%1”</source>
        <extracomment>Auto-eject notification body without remounting; %1 is the volume name</extracomment>
        <translation>「%1」を取り出しました</translation>
    </message>
</context>
<context>
    <name>ConfirmationPresenter</name>
    <message>
        <location filename="../../app/window/confirmationdialog.cpp" line="+29"/>
        <source>Type the volume name to confirm.</source>
        <extracomment>Appended to a confirmation body</extracomment>
        <translation>確認のため、ボリューム名を入力してください。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hold the button below for 3 seconds to enable %1.</source>
        <extracomment>Appended to a confirmation body; %1 is the confirm-button title</extracomment>
        <translation>下のボタンを 3 秒間押し続けると「%1」を選べるようになります。</translation>
    </message>
    <message>
        <location filename="../../app/window/confirmationpresenter.cpp" line="+27"/>
        <source>Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>「%1」を取り出しますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>「%1」を強制的に取り出しますか？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remount “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>「%1」を再マウントしますか？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rename “%1”?</source>
        <extracomment>Confirmation title</extracomment>
        <translation>「%1」の名前を変更しますか？</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want to eject “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>「%1」を取り出してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apps using “%1” may lose unsaved data.</source>
        <extracomment>Force-eject confirmation warning</extracomment>
        <translation>「%1」を使用しているアプリの未保存のデータが失われる可能性があります。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to remount “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>「%1」を再マウントしてもよろしいですか？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to rename “%1”?</source>
        <extracomment>Confirmation body</extracomment>
        <translation>「%1」の名前を変更してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All data on “%1” will be permanently destroyed. This can’t be undone.</source>
        <extracomment>Erase confirmation warning</extracomment>
        <translation>「%1」のすべてのデータが完全に消去されます。この操作は取り消せません。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Eject</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>取り出す</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>強制的に取り出す</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remount</source>
        <extracomment>Confirm button / operation name</extracomment>
        <translation>再マウント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>名前を変更</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>フォーマット</translation>
    </message>
</context>
<context>
    <name>ErasePanel</name>
    <message>
        <location line="-59"/>
        <location filename="../../app/window/erasepanel.cpp" line="+11"/>
        <source>Erase “%1”?</source>
        <extracomment>Erase panel title</extracomment>
        <translation>「%1」をフォーマットしますか？</translation>
    </message>
    <message>
        <location filename="../../app/window/erasepanel.cpp" line="+2"/>
        <source>All data on the volume will be permanently destroyed. Choose a format and a name for the erased volume.</source>
        <extracomment>Erase panel body</extracomment>
        <translation>ボリューム上のすべてのデータが完全に消去されます。フォーマット後のボリュームの形式と名前を選んでください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erase</source>
        <extracomment>Destructive button</extracomment>
        <translation>フォーマット</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>新しい名前</translation>
    </message>
</context>
<context>
    <name>FailureAlert</name>
    <message>
        <location filename="../../app/window/failurealert.cpp" line="+8"/>
        <source>OK</source>
        <extracomment>Button</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ForceEjectDialog</name>
    <message>
        <location filename="../../app/window/forceejectdialog.cpp" line="+10"/>
        <source>“%1” is in use</source>
        <extracomment>Force-eject dialog title</extracomment>
        <translation>「%1」は使用中です</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is in use by: %2. Force ejecting may cause data loss.</source>
        <extracomment>Force-eject dialog body; %2 is an app-name list</extracomment>
        <translation>「%1」は次のアプリで使用中です: %2。強制的に取り出すと、データが失われる可能性があります。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Force Eject</source>
        <extracomment>Destructive button</extracomment>
        <translation>強制的に取り出す</translation>
    </message>
</context>
<context>
    <name>HoldToConfirmButton</name>
    <message>
        <location filename="../../app/window/holdtoconfirmbutton.cpp" line="+35"/>
        <source>Hold to Confirm</source>
        <extracomment>Hold-button idle title</extracomment>
        <translation>長押しで確定</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Hold… %1</source>
        <extracomment>Hold-button countdown</extracomment>
        <translation>押したまま… %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirmed</source>
        <extracomment>Hold-button completed title</extracomment>
        <translation>確定しました</translation>
    </message>
</context>
<context>
    <name>OperationFlows</name>
    <message>
        <location filename="../../app/shell/operationflows.cpp" line="+75"/>
        <source>The volume couldn’t be ejected.</source>
        <extracomment>Eject failure alert text</extracomment>
        <translation>ボリュームを取り出せませんでした。</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The operation failed.</source>
        <extracomment>Operation failure alert text</extracomment>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>「%1」を取り出せませんでした</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure alert title</extracomment>
        <translation>「%1」を強制的に取り出せませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure alert title</extracomment>
        <translation>「%1」の名前を変更できませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure alert title</extracomment>
        <translation>「%1」をフォーマットできませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure alert title</extracomment>
        <translation>「%1」を再マウントできませんでした</translation>
    </message>
</context>
<context>
    <name>RenamePrompt</name>
    <message>
        <location filename="../../app/window/renameprompt.cpp" line="+9"/>
        <source>Rename “%1”</source>
        <extracomment>Rename prompt title</extracomment>
        <translation>「%1」の名前を変更</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter a new name for the volume.</source>
        <extracomment>Rename prompt body</extracomment>
        <translation>ボリュームの新しい名前を入力してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename</source>
        <extracomment>Button</extracomment>
        <translation>名前を変更</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Volume name</source>
        <extracomment>Text-field placeholder</extracomment>
        <translation>ボリューム名</translation>
    </message>
</context>
<context>
    <name>StatusItemController</name>
    <message>
        <location filename="../../app/surfaces/statusitem.cpp" line="+66"/>
        <source>Quillmere (Staging)</source>
        <extracomment>Status item tooltip</extracomment>
        <translation>Quillmere（Staging）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere</source>
        <extracomment>Status item accessibility description</extracomment>
        <translation>Quillmere</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Open Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere を開く</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No volumes</source>
        <extracomment>Empty menu placeholder</extracomment>
        <translation>ボリュームがありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Eject All</source>
        <extracomment>Menu item</extracomment>
        <translation>すべて取り出す</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open /Volumes in Finder</source>
        <extracomment>Menu item</extracomment>
        <translation>リムーバブルメディアをファイルマネージャーで開く</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>History…</source>
        <extracomment>Menu item</extracomment>
        <translation>履歴…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Menu item</extracomment>
        <translation>設定…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Disk Utility</source>
        <extracomment>Menu item</extracomment>
        <translation>「ディスク」を開く</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit Quillmere</source>
        <extracomment>Menu item</extracomment>
        <translation>Quillmere を終了</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Mounting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>マウント中…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remount</source>
        <extracomment>Menu item</extracomment>
        <translation>再マウント</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Ejecting…</source>
        <extracomment>In-flight menu item</extracomment>
        <translation>取り出し中…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eject</source>
        <extracomment>Menu item</extracomment>
        <translation>取り出す</translation>
    </message>
</context>
<context>
    <name>VolumeActionsMenu</name>
    <message>
        <location filename="../../app/surfaces/volumeactionsmenu.cpp" line="+190"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure alert title</extracomment>
        <translation>「%1」を取り出せませんでした</translation>
    </message>
</context>
</TS>
