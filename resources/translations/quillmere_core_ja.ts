<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CapacityFormatter</name>
    <message>
        <location filename="../../core/format/capacityformatter.cpp" line="+49"/>
        <source>B</source>
        <extracomment>Byte unit</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>KB</source>
        <extracomment>Byte unit</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>MB</source>
        <extracomment>Byte unit</extracomment>
        <translation>MB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GB</source>
        <extracomment>Byte unit</extracomment>
        <translation>GB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TB</source>
        <extracomment>Byte unit</extracomment>
        <translation>TB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PB</source>
        <extracomment>Byte unit</extracomment>
        <translation>PB</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%1 bytes</source>
        <extracomment>Byte count under 1 KB</extracomment>
        <translation>
            <numerusform>%1 バイト</numerusform>
        </translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1% (%2/%3 %4)</source>
        <extracomment>Capacity gauge text</extracomment>
        <translation>%1% (%2/%3 %4)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 free of %2</source>
        <extracomment>Free space of total capacity</extracomment>
        <translation>空き %1 / %2</translation>
    </message>
</context>
<context>
    <name>ConfirmationModel</name>
    <message>
        <location filename="../../core/operations/confirmationmodel.cpp" line="+10"/>
        <source>Standard confirmation</source>
        <extracomment>Confirmation model</extracomment>
        <translation>標準の確認</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the volume name</source>
        <extracomment>Confirmation model</extracomment>
        <translation>ボリューム名を入力</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hold to confirm</source>
        <extracomment>Confirmation model</extracomment>
        <translation>長押しで確認</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No confirmation (YOLO)</source>
        <extracomment>Confirmation model</extracomment>
        <translation>確認なし（YOLO）</translation>
    </message>
</context>
<context>
    <name>EjectTruth</name>
    <message numerus="yes">
        <location filename="../../core/operations/ejecttruth.cpp" line="+53"/>
        <source>%1 was unmounted, but “%2” couldn’t be: %3</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted (&quot;“A”, “B”), %2 is the volume that was not, %3 why</extracomment>
        <translation>
            <numerusform>%1 はアンマウントしましたが、「%2」はアンマウントできませんでした: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 was unmounted, but the eject didn’t finish: %2</source>
        <extracomment>A failed eject after its volumes were unmounted; %1 lists them, %2 says why</extracomment>
        <translation>
            <numerusform>%1 はアンマウントしましたが、取り出しは完了しませんでした: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%1 was unmounted; %2 on the same disk is busy (%3).</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 udisks2&apos;s reason (&quot;target is busy&quot;)</extracomment>
        <translation>
            <numerusform>%1 はアンマウントしました。同じディスクの %2 は使用中です (%3)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%1 was unmounted, but %2 on the same disk couldn’t be: %3</source>
        <extracomment>A failed eject; %1 lists the volumes that were unmounted, %2 those still mounted, %3 why</extracomment>
        <translation>
            <numerusform>%1 はアンマウントしましたが、同じディスクの %2 はアンマウントできませんでした: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EraseCheck</name>
    <message>
        <location filename="../../core/operations/erasecheck.cpp" line="+14"/>
        <source>The erase finished, but the volume could not be read back to check it.</source>
        <extracomment>Erase failure: the device could not be read back after formatting</extracomment>
        <translation>フォーマットは完了しましたが、確認のためにボリュームを読み取れませんでした。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The erase finished, but the volume now holds no file system. Erase it again.</source>
        <extracomment>Erase failure after reading the device back</extracomment>
        <translation>フォーマットは完了しましたが、ボリュームにファイルシステムがありません。もう一度フォーマットしてください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The erase finished, but the volume now holds %1 “%2” instead. Erase it again.</source>
        <extracomment>Erase failure after reading the device back; %1 file-system type, %2 its name</extracomment>
        <translation>フォーマットは完了しましたが、ボリュームには代わりに %1「%2」があります。もう一度フォーマットしてください。</translation>
    </message>
</context>
<context>
    <name>GuardedDiskOperations</name>
    <message>
        <location filename="../../core/operations/guardeddiskoperations.cpp" line="+28"/>
        <source>Another operation is working on the disk of “%1”. Try again when it has finished.</source>
        <extracomment>Operation failure: another operation works on the same disk</extracomment>
        <translation>別の操作が「%1」のディスクを使用しています。終了してからもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The disk of “%1” is busy with another operation (%2). Try again when it has finished.</source>
        <extracomment>Operation failure; %2 is the operation that holds the disk (&quot;Erase&quot;)</extracomment>
        <translation>「%1」のディスクは別の操作（%2）で使用中です。終了してからもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>“%1” is neither a network share nor a FUSE mount, so it is not unmounted by its folder.</source>
        <extracomment>Eject failure: only network shares and FUSE mounts are unmounted by their folder</extracomment>
        <translation>「%1」はネットワーク共有でも FUSE マウントでもないため、フォルダーを指定してアンマウントすることはしません。</translation>
    </message>
</context>
<context>
    <name>HistoryFormatter</name>
    <message>
        <location filename="../../core/format/historyformatter.cpp" line="+26"/>
        <source>1 second ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 秒前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 second</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 秒後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 seconds</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 秒後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 minute ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 分前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 minutes ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 分前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 minute</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 分後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 minutes</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 分後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 hour ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 時間前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 hours ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 hour</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 時間後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 hours</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 時間後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 day ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 日前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 days ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 日前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 day</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 日後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 days</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 日後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 week ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 週間前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 weeks ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 週間前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 week</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 週間後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 weeks</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 週間後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 month ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 か月前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 months ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 か月前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 month</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 か月後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 months</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 か月後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 year ago</source>
        <extracomment>History time, relative to now</extracomment>
        <translation>1 年前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 years ago</source>
        <extracomment>History time, relative to now; %1 is a number above 1</extracomment>
        <translation>%1 年前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in 1 year</source>
        <extracomment>History time of an entry dated ahead of the clock</extracomment>
        <translation>1 年後</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 years</source>
        <extracomment>History time of an entry dated ahead of the clock; %1 is a number above 1</extracomment>
        <translation>%1 年後</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Eject</source>
        <extracomment>History operation</extracomment>
        <translation>取り出し</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Force Eject</source>
        <extracomment>History operation</extracomment>
        <translation>強制取り出し</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount</source>
        <extracomment>History operation</extracomment>
        <translation>再マウント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename</source>
        <extracomment>History operation</extracomment>
        <translation>名前の変更</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase</source>
        <extracomment>History operation</extracomment>
        <translation>フォーマット</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-Eject</source>
        <extracomment>History operation</extracomment>
        <translation>自動取り出し</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-Remount</source>
        <extracomment>History operation</extracomment>
        <translation>自動再マウント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mounted</source>
        <extracomment>History event</extracomment>
        <translation>マウント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounted</source>
        <extracomment>History event</extracomment>
        <translation>アンマウント</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>now</source>
        <extracomment>History time of an entry logged this very second</extracomment>
        <translation>たった今</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <location filename="../../core/stores/historystore.cpp" line="+122"/>
        <source>it is %1; the history is exported only to a regular file</source>
        <extracomment>History export refusal; %1 is what stands there (&quot;a FIFO&quot;)</extracomment>
        <translation>書き出し先が%1です。履歴は通常のファイルにしか書き出せません</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>the history file is %1</source>
        <extracomment>History export failure; %1 is the reason (&quot;larger than 33554432 bytes&quot;)</extracomment>
        <translation>履歴ファイルが%1</translation>
    </message>
</context>
<context>
    <name>InstallLocation</name>
    <message>
        <location filename="../../core/stores/installlocation.cpp" line="+83"/>
        <source>a removable drive</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>リムーバブルドライブ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a temporary location</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>一時的な場所</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your Downloads folder</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>「ダウンロード」フォルダー</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your Desktop</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its current location</source>
        <extracomment>Move-offer location; slots into the body sentence</extracomment>
        <translation>現在の場所</translation>
    </message>
</context>
<context>
    <name>KeyMapping</name>
    <message>
        <location filename="../../core/shortcuts/keymapping.cpp" line="+40"/>
        <source>Space</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>スペース</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Return</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tab</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Backspace</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>BackSpace</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esc</source>
        <extracomment>Key name in a shortcut (Escape)</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Del</source>
        <extracomment>Key name in a shortcut (forward Delete)</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ins</source>
        <extracomment>Key name in a shortcut (Insert)</extracomment>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Home</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>Home</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>End</source>
        <extracomment>Key name in a shortcut</extracomment>
        <translation>End</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PgUp</source>
        <extracomment>Key name in a shortcut (Page Up)</extracomment>
        <translation>PageUp</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PgDown</source>
        <extracomment>Key name in a shortcut (Page Down)</extracomment>
        <translation>PageDown</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>←</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>↑</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Right</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>→</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Down</source>
        <extracomment>Key name in a shortcut (arrow key)</extracomment>
        <translation>↓</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Enter</source>
        <extracomment>Key name in a shortcut (the keypad&apos;s Enter key)</extracomment>
        <translation>テンキー Enter</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Ctrl</source>
        <extracomment>Modifier key name in a shortcut</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Alt</source>
        <extracomment>Modifier key name in a shortcut</extracomment>
        <translation>Alt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shift</source>
        <extracomment>Modifier key name in a shortcut</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Super</source>
        <extracomment>Modifier key name in a shortcut (the key with the desktop&apos;s logo)</extracomment>
        <translation>Super</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../../core/shortcuts/menubarshortcuts.cpp" line="+13"/>
        <source>Eject All</source>
        <extracomment>Main menu item (File)</extracomment>
        <translation>すべて取り出す</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <extracomment>Main menu item (File): closes the window</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit Quillmere</source>
        <extracomment>Main menu item (File)</extracomment>
        <translation>Quillmere を終了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>元に戻す</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>やり直す</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>切り取り</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select All</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>すべてを選択</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preferences…</source>
        <extracomment>Main menu item (Edit)</extracomment>
        <translation>設定…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as Grid</source>
        <extracomment>Main menu item (View): volumes as a grid</extracomment>
        <translation>グリッド表示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as List</source>
        <extracomment>Main menu item (View): volumes as a list</extracomment>
        <translation>リスト表示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimize</source>
        <extracomment>Main menu item (Window)</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillmere Help</source>
        <extracomment>Main menu item (Help)</extracomment>
        <translation>Quillmere ヘルプ</translation>
    </message>
</context>
<context>
    <name>OperationErrors</name>
    <message>
        <location filename="../../core/operations/operationerror.cpp" line="+11"/>
        <source>Authentication was refused: the password wasn’t accepted, or this user account isn’t allowed to do this. An administrator can give it the permission.</source>
        <extracomment>Failure detail when the system refused the operation (no permission, or a password that was not accepted)</extracomment>
        <translation>認証が拒否されました。パスワードが受け付けられなかったか、このユーザーアカウントにはこの操作が許可されていません。管理者が権限を与えることができます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A password is needed, but no authentication agent is running to ask for it. Start your desktop’s authentication agent (or log in to a full desktop session) and try again.</source>
        <extracomment>Failure detail when a password is needed but no program can ask for it</extracomment>
        <translation>パスワードが必要ですが、パスワードを尋ねる認証エージェントが実行されていません。デスクトップの認証エージェントを起動して (またはデスクトップセッションにログインして)、もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Authentication was cancelled.</source>
        <extracomment>History detail when the user dismissed the password prompt</extracomment>
        <translation>認証はキャンセルされました。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>udisks2, the disk service, isn’t running or stopped answering. Start it again (“systemctl start udisks2”) and try again.</source>
        <extracomment>Failure detail when the disk service is not there or stopped answering</extracomment>
        <translation>ディスクサービス udisks2 が実行されていないか、応答しなくなりました。udisks2 を起動し直して (「systemctl start udisks2」)、もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The volume is in use by a program.</source>
        <extracomment>Failure detail when a program holds files open on the volume</extracomment>
        <translation>ボリュームはプログラムが使用中です。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The volume isn’t mounted.</source>
        <extracomment>Failure detail when the volume was no longer mounted</extracomment>
        <translation>ボリュームはマウントされていません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The operation failed.</source>
        <extracomment>Failure detail when nothing more is known</extracomment>
        <translation>操作に失敗しました。</translation>
    </message>
</context>
<context>
    <name>OperationTitles</name>
    <message>
        <location filename="../../core/operations/operationtitles.cpp" line="+11"/>
        <source>Couldn’t eject “%1”</source>
        <extracomment>Eject failure title; %1 is the volume name</extracomment>
        <translation>「%1」を取り出せませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t force eject “%1”</source>
        <extracomment>Force-eject failure title; %1 is the volume name</extracomment>
        <translation>「%1」を強制的に取り出せませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t rename “%1”</source>
        <extracomment>Rename failure title; %1 is the volume name</extracomment>
        <translation>「%1」の名前を変更できませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn’t erase “%1”</source>
        <extracomment>Erase failure title; %1 is the volume name</extracomment>
        <translation>「%1」をフォーマットできませんでした</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Couldn’t remount “%1”</source>
        <extracomment>Remount failure title; %1 is the volume name</extracomment>
        <translation>「%1」を再マウントできませんでした</translation>
    </message>
</context>
<context>
    <name>OwnedFile</name>
    <message>
        <location filename="../../core/stores/ownedfile.cpp" line="+24"/>
        <source>it is a symbolic link that belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not used</extracomment>
        <translation>別のユーザーが所有するシンボリックリンクです</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is a symbolic link to nothing</source>
        <extracomment>Why one of the program&apos;s files is not used</extracomment>
        <translation>リンク先の存在しないシンボリックリンクです</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>it belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>別のユーザーが所有しています</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+102"/>
        <source>its folder belongs to another user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>フォルダーを別のユーザーが所有しています</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>it is not a regular file of this user</source>
        <extracomment>Why one of the program&apos;s files is not written</extracomment>
        <translation>このユーザーの通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>RegularFileReader</name>
    <message>
        <location filename="../../core/stores/regularfilereader.cpp" line="+20"/>
        <source>a folder</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a FIFO</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>FIFO</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a character device</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>キャラクターデバイス</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a block device</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a socket</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>ソケット</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <extracomment>What stands where a file was expected</extracomment>
        <translation>特殊なファイル</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not a regular file but %1</source>
        <extracomment>Why a file was not read; %1 is what stands there instead (&quot;a FIFO&quot;)</extracomment>
        <translation>通常のファイルではなく%1です</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>larger than %1 bytes</source>
        <extracomment>Why a file was not read</extracomment>
        <translation>%1 バイトを超えています</translation>
    </message>
</context>
<context>
    <name>RenameTruth</name>
    <message>
        <location filename="../../core/operations/renametruth.cpp" line="+43"/>
        <source>The volume is now named “%1”, not “%2”: %3</source>
        <extracomment>Rename failure after reading the device back; %1 is the name it has now, %2 the name asked for, %3 why the rename failed</extracomment>
        <translation>現在のボリューム名は「%2」ではなく「%1」です: %3</translation>
    </message>
</context>
<context>
    <name>ToolLauncher</name>
    <message>
        <location filename="../../core/operations/toollauncher.cpp" line="+126"/>
        <source>%1 timed out</source>
        <extracomment>External tool watchdog; %1 is a tool name</extracomment>
        <translation>%1 がタイムアウトしました</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 failed (exit %2)</source>
        <extracomment>External tool failure; %1 is a tool name</extracomment>
        <translation>%1 が失敗しました（終了コード %2）</translation>
    </message>
</context>
<context>
    <name>UDisksOperations</name>
    <message>
        <location filename="../../platform/linux/udisksoperationsupport.cpp" line="+14"/>
        <source>Couldn’t open device %1</source>
        <extracomment>Device open failure</extracomment>
        <translation>デバイス %1 を開けませんでした</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” is mounted at %2, which the running system needs; Quillmere leaves it alone.</source>
        <extracomment>Eject refusal; %1 is the volume&apos;s (or device&apos;s) name, %2 its mount point (&quot;/boot&quot;)</extracomment>
        <translation>「%1」は %2 にマウントされており、実行中のシステムが使用しています。Quillmere はこれに手を触れません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>“%1” has no device node to eject.</source>
        <extracomment>Eject failure</extracomment>
        <translation>「%1」には取り出すためのデバイスファイルがありません。</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udiskserrors.cpp" line="+132"/>
        <source>Refused by the system (status 0x%1)</source>
        <extracomment>DiskArbitration dissent without a message</extracomment>
        <translation>システムに拒否されました（ステータス 0x%1）</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksunmounting.cpp" line="+91"/>
        <source>Couldn’t open the volume at %1</source>
        <extracomment>Volume open failure</extracomment>
        <translation>%1 のボリュームを開けませんでした</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>an encrypted volume on the same device couldn’t be locked: %1</source>
        <extracomment>Eject failure of an encrypted volume that stays unlocked; eject() says before it which volumes were unmounted</extracomment>
        <translation>同じデバイス上の暗号化ボリュームをロックできませんでした: %1</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+183"/>
        <source>“%1” isn’t mounted.</source>
        <extracomment>Eject failure</extracomment>
        <translation>「%1」はマウントされていません。</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperationsupport.cpp" line="+7"/>
        <source>unknown error</source>
        <extracomment>Fallback failure detail</extracomment>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udisksoperations.cpp" line="+13"/>
        <source>“%1” is a network share. Reconnect to the server in your file manager to mount it again.</source>
        <extracomment>Remount failure for network shares</extracomment>
        <translation>「%1」はネットワーク共有です。もう一度マウントするには、ファイルマネージャーでサーバーに再接続してください。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>“%1” has no device node to rename.</source>
        <extracomment>Rename failure</extracomment>
        <translation>「%1」には名前を変更するためのデバイスファイルがありません。</translation>
    </message>
    <message>
        <location filename="../../platform/linux/udiskserase.cpp" line="+44"/>
        <source>“%1” can’t be erased — only removable, external, and disk-image volumes may be erased.</source>
        <extracomment>Erase safety-rail refusal</extracomment>
        <translation>「%1」はフォーマットできません。フォーマットできるのは、リムーバブルボリューム、外部ボリューム、ディスクイメージだけです。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“%1” has no device node to erase.</source>
        <extracomment>Erase failure</extracomment>
        <translation>「%1」にはフォーマットするためのデバイスファイルがありません。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>This computer can’t make %1 file systems.</source>
        <extracomment>Erase failure when the file system cannot be made on this computer</extracomment>
        <translation>このコンピューターでは %1 ファイルシステムを作成できません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This computer can’t make %1 file systems: %2 is not installed.</source>
        <extracomment>Erase failure when the program that makes the file system is missing; %2 is its name</extracomment>
        <translation>このコンピューターでは %1 ファイルシステムを作成できません。%2 がインストールされていません。</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>“%1” was unmounted, but the erase didn’t finish, so what the volume holds now is unknown: %2</source>
        <extracomment>Erase failure when udisks2 went away during the erase; %1 is the volume&apos;s name, %2 why</extracomment>
        <translation>「%1」はアンマウントしましたが、フォーマットが完了しなかったため、ボリュームの現在の内容は不明です: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 The volume couldn’t be mounted again: %2</source>
        <extracomment>Erase failure after which the volume stays unmounted; %1 is why the erase failed</extracomment>
        <translation>%1 ボリュームを再マウントできませんでした: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Erased, but the volume couldn’t be mounted: %1</source>
        <extracomment>Detail of a successful erase whose new volume could not be mounted</extracomment>
        <translation>フォーマットしましたが、ボリュームをマウントできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>UserHome</name>
    <message>
        <location filename="../../core/stores/userhome.cpp" line="+61"/>
        <source>Quillmere needs a home folder of its user to keep its settings and history, but neither HOME (“%1”) nor the user’s entry in the password database (“%2”) names one. Set HOME to a folder of yours.</source>
        <extracomment>Printed when the program will not start; %1 is $HOME, %2 the password database&apos;s home</extracomment>
        <translation>Quillmere は設定と履歴を保存するためにユーザーのホームフォルダーを必要としますが、HOME（「%1」）もパスワードデータベースのユーザー項目（「%2」）もホームフォルダーを示していません。HOME を自分のフォルダーに設定してください。</translation>
    </message>
</context>
<context>
    <name>VolumeActionGate</name>
    <message>
        <location filename="../../core/format/volumeactiongate.cpp" line="+36"/>
        <source>it isn’t mounted.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>マウントされていません。</translation>
    </message>
    <message>
        <location filename="../../core/policy/runningsystemguard.cpp" line="+14"/>
        <source>it is the boot volume, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>起動ボリュームのため、Quillmere は操作しません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is on the boot disk, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>起動ディスク上にあるため、Quillmere は操作しません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is a system volume, which Quillmere leaves alone.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>システムボリュームのため、Quillmere は操作しません。</translation>
    </message>
    <message>
        <location filename="../../core/format/volumeactiongate.cpp" line="+18"/>
        <source>its media policy doesn’t allow it.</source>
        <extracomment>Why an action is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>メディアポリシーで許可されていません。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is a fixed internal volume; only removable volumes and network shares are ejected.</source>
        <extracomment>Why an eject is refused: &quot;Couldn’t eject “X”: &quot; + this</extracomment>
        <translation>内蔵の固定ボリュームです。取り出せるのはリムーバブルボリュームとネットワーク共有だけです。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is already mounted.</source>
        <extracomment>Why a remount is refused: &quot;Couldn’t remount “X”: &quot; + this</extracomment>
        <translation>すでにマウントされています。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it has no device node.</source>
        <extracomment>Why a rename is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>デバイスファイルがありません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its file system (XFS) can be renamed only while it is unmounted.</source>
        <extracomment>Why a rename is refused: &quot;Couldn’t rename “X”: &quot; + this</extracomment>
        <translation>ファイルシステム（XFS）はアンマウント中にしか名前を変更できません。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no volume is erased until media-policy-overrides.json is fixed (%1).</source>
        <extracomment>Why an erase is refused: &quot;Couldn’t erase “X”: &quot; + this; %1 is the file&apos;s fault</extracomment>
        <translation>media-policy-overrides.json が修正されるまで、どのボリュームもフォーマットしません（%1）。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only removable, external, and disk-image volumes may be erased.</source>
        <extracomment>Why an erase is refused: &quot;Couldn’t erase “X”: &quot; + this</extracomment>
        <translation>フォーマットできるのは、リムーバブルボリューム、外部ボリューム、ディスクイメージだけです。</translation>
    </message>
</context>
<context>
    <name>VolumeMenuModel</name>
    <message>
        <location filename="../../core/format/volumemenumodel.cpp" line="+13"/>
        <source>Ignore in Auto-Eject &amp; Eject All</source>
        <extracomment>Checkmark menu item exempting a volume from bulk ejection</extracomment>
        <translation>自動取り出しと「すべて取り出す」の対象外にする</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open in File Manager</source>
        <extracomment>Volume menu item</extracomment>
        <translation>ファイルマネージャーで開く</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Path</source>
        <extracomment>Volume menu item</extracomment>
        <translation>パスをコピー</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Eject</source>
        <extracomment>Volume menu item</extracomment>
        <translation>取り出す</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remount</source>
        <extracomment>Volume menu item</extracomment>
        <translation>再マウント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rename…</source>
        <extracomment>Volume menu item</extracomment>
        <translation>名前を変更…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erase…</source>
        <extracomment>Volume menu item (destructive)</extracomment>
        <translation>フォーマット…</translation>
    </message>
</context>
<context>
    <name>VolumeNameRules</name>
    <message>
        <location filename="../../core/operations/volumenamerules.cpp" line="+21"/>
        <source>spaces</source>
        <extracomment>A character a volume name cannot contain</extracomment>
        <translation>スペース</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Volume names can’t contain control characters such as line breaks or tabs.</source>
        <extracomment>Volume name refusal</extracomment>
        <translation>ボリューム名には改行やタブなどの制御文字を使用できません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Names of %1 volumes can’t contain %2.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;FAT&quot;), %2 a character</extracomment>
        <translation>%1 ボリュームの名前には%2を使用できません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Names of %1 volumes can only contain letters A–Z, digits and plain punctuation, not %2.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;FAT&quot;), %2 a character</extracomment>
        <translation>%1 ボリュームの名前に使えるのは A〜Z の英字、数字、基本的な記号だけです。%2は使用できません。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Names of %1 volumes can be at most %2 bytes long; this one has %3. Letters with accents and other symbols take two bytes or more.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;ext4&quot;)</extracomment>
        <translation>%1 ボリュームの名前は最大 %2 バイトです（この名前は %3 バイト）。アクセント付きの文字やその他の記号は 2 バイト以上になります。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Names of %1 volumes can be at most %2 characters long; this one has %3.</source>
        <extracomment>Volume name refusal; %1 is a file system (&quot;NTFS&quot;)</extracomment>
        <translation>%1 ボリュームの名前は最大 %2 文字です（この名前は %3 文字）。</translation>
    </message>
</context>
<context>
    <name>VolumeRowFormatter</name>
    <message>
        <location filename="../../core/format/volumerowformatter.cpp" line="+13"/>
        <source>External</source>
        <extracomment>Volume kind</extracomment>
        <translation>外部</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disk Image</source>
        <extracomment>Volume kind</extracomment>
        <translation>ディスクイメージ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System Image</source>
        <extracomment>Volume kind</extracomment>
        <translation>システムイメージ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Network</source>
        <extracomment>Volume kind</extracomment>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal</source>
        <extracomment>Volume kind</extracomment>
        <translation>内蔵</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Boot</source>
        <extracomment>Volume kind</extracomment>
        <translation>起動</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System</source>
        <extracomment>Volume kind</extracomment>
        <translation>システム</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1  —  %2 · %3</source>
        <extracomment>Menu row: volume name — kind · free space</extracomment>
        <translation>%1  —  %2 · %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not mounted</source>
        <extracomment>VoiceOver mount state</extracomment>
        <translation>未マウント</translation>
    </message>
</context>
</TS>
