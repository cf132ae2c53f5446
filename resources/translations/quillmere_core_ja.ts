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
        <location filename="../../core/operations/confirmationmodel.cpp" line="+42"/>
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
        <location filename="../../platform/linux/udisksoperations.cpp" line="+90"/>
        <source>Couldn’t open device %1</source>
        <extracomment>Device open failure</extracomment>
        <translation>デバイス %1 を開けませんでした</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>“%1” has no device node to eject.</source>
        <extracomment>Eject failure</extracomment>
        <translation>「%1」には取り出すためのデバイスファイルがありません。</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Refused by the system (status 0x%1)</source>
        <extracomment>DiskArbitration dissent without a message</extracomment>
        <translation>システムに拒否されました（ステータス 0x%1）</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Couldn’t open the volume at %1</source>
        <extracomment>Volume open failure</extracomment>
        <translation>%1 のボリュームを開けませんでした</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>“%1” isn’t mounted.</source>
        <extracomment>Eject failure</extracomment>
        <translation>「%1」はマウントされていません。</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+73"/>
        <source>unknown error</source>
        <extracomment>Fallback failure detail</extracomment>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>“%1” was unmounted, but another volume on the same device couldn’t be: %2</source>
        <extracomment>Multi-partition eject failure</extracomment>
        <translation>「%1」はアンマウントされましたが、同じデバイス上の別のボリュームをアンマウントできませんでした: %2</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>“%1” is a network share. Reconnect to the server in Finder (Go ▸ Connect to Server…) to mount it again.</source>
        <extracomment>Remount failure for network shares</extracomment>
        <translation>「%1」はネットワーク共有です。もう一度マウントするには、ファイルマネージャーでサーバーに再接続してください。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>“%1” has no device node to rename.</source>
        <extracomment>Rename failure</extracomment>
        <translation>「%1」には名前を変更するためのデバイスファイルがありません。</translation>
    </message>
    <message>
        <location line="+21"/>
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
</context>
<context>
    <name>VolumeMenuModel</name>
    <message>
        <location filename="../../core/format/volumemenumodel.cpp" line="+12"/>
        <source>Ignore in Auto-Eject &amp; Eject All</source>
        <extracomment>Checkmark menu item exempting a volume from bulk ejection</extracomment>
        <translation>自動取り出しと「すべて取り出す」の対象外にする</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open in Finder</source>
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
