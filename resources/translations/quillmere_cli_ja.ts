<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CommandHelp</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+44"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli --help: heading of the usage lines</extracomment>
        <translation>使い方:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>VOLUME is a device name (sdb1), a mount point or a volume name.</source>
        <extracomment>quillmere-cli COMMAND --help: what VOLUME may be; keep sdb1 as it is</extracomment>
        <translation>VOLUME はデバイス名 (sdb1)、マウントポイント、またはボリューム名です。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the volumes with their capacity and free space.</source>
        <extracomment>quillmere-cli --help: the list command</extracomment>
        <translation>ボリュームを容量と空き容量とともに表示します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prints the volumes the tray program shows, with their kind, capacity and free space.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>トレイのプログラムが表示するボリュームを、種類、容量、空き容量とともに表示します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show every kind of volume, also those the settings hide, and what is attached but not mounted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>設定で隠しているものや、接続されているがマウントされていないものも含め、すべての種類のボリュームを表示します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+101"/>
        <source>Print JSON with every field.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>すべての項目を含む JSON を出力します。</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Then print a line for each change until interrupted.</source>
        <extracomment>quillmere-cli list --help</extracomment>
        <translation>その後、中断されるまで変更ごとに 1 行を出力します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lists every volume, also those the settings hide and those attached but not mounted.</source>
        <extracomment>quillmere-cli list --help: what the example does</extracomment>
        <translation>設定で隠しているものや、接続されているがマウントされていないものも含め、すべてのボリュームを一覧表示します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects a volume, so that its drive can be unplugged.</source>
        <extracomment>quillmere-cli --help: the eject command</extracomment>
        <translation>ドライブを取り外せるようにボリュームを取り出します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unmounts the volume; on a removable drive every volume of the drive, so that it can be unplugged. A disk image is detached. The drive is not powered off.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>ボリュームをアンマウントします。リムーバブルドライブでは、取り外せるようにドライブのすべてのボリュームをアンマウントします。ディスクイメージは切り離されます。ドライブの電源は切りません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli eject --help</extracomment>
        <translation>プログラムがファイルを開いていてもアンマウントします。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ejects the volume on the device sdb1.</source>
        <extracomment>quillmere-cli eject --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>デバイス sdb1 のボリュームを取り出します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>Ejects every volume that Eject All includes.</source>
        <extracomment>quillmere-cli --help: the eject-all command</extracomment>
        <translation>「すべて取り出す」の対象となるすべてのボリュームを取り出します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mounts an unmounted volume again.</source>
        <extracomment>quillmere-cli --help: the remount command</extracomment>
        <translation>アンマウントされたボリュームを再びマウントします。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mounts the volume on the device sdb1 again.</source>
        <extracomment>quillmere-cli remount --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>デバイス sdb1 のボリュームを再びマウントします。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gives a volume a new name.</source>
        <extracomment>quillmere-cli --help: the rename command</extracomment>
        <translation>ボリュームの名前を変更します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Renames the volume mounted at /media/ann/STICK to “Photos”.</source>
        <extracomment>quillmere-cli rename --help: what the example does</extracomment>
        <translation>/media/ann/STICK にマウントされたボリュームの名前を「Photos」に変更します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Formats a volume, destroying everything on it.</source>
        <extracomment>quillmere-cli --help: the erase command</extracomment>
        <translation>ボリュームをフォーマットし、その内容をすべて消去します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new file system: ext4, ExFAT, MS-DOS FAT32 or NTFS (ext4 if not given).</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>新しいファイルシステム: ext4、ExFAT、MS-DOS FAT32、NTFS のいずれか (省略時は ext4)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new volume name.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>新しいボリューム名。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli erase --help</extracomment>
        <translation>ボリュームの内容をすべて消去してよいことを確認します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erases the volume on sdb1 as ExFAT named “Photos”.</source>
        <extracomment>quillmere-cli erase --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>sdb1 のボリュームを「Photos」という名前の ExFAT としてフォーマットします。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Names the processes that hold files open on a volume.</source>
        <extracomment>quillmere-cli --help: the blockers command</extracomment>
        <translation>ボリューム上のファイルを開いているプロセスを表示します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Names the processes that keep sdb1 from being ejected.</source>
        <extracomment>quillmere-cli blockers --help: what the example does; keep sdb1 as it is</extracomment>
        <translation>sdb1 の取り出しを妨げているプロセスを表示します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prints the operation history, newest first.</source>
        <extracomment>quillmere-cli --help: the history command</extracomment>
        <translation>操作の履歴を新しい順に表示します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show only the newest N lines.</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>最新の N 行だけを表示します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli history --help</extracomment>
        <translation>履歴ログを FILE にコピーします (- で標準出力)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Prints the ten newest lines of the history.</source>
        <extracomment>quillmere-cli history --help: what the example does</extracomment>
        <translation>履歴の最新 10 行を表示します。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>COMMAND [OPTIONS]</source>
        <translation>COMMAND [オプション]</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ejects, remounts, renames and erases them, as the tray program does.</source>
        <translation>トレイのプログラムと同じように、取り出し、再マウント、名前の変更、フォーマットを行います。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Commands:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>コマンド:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+46"/>
        <source>Options:</source>
        <extracomment>quillmere-cli --help: heading</extracomment>
        <translation>オプション:</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Run “%1 COMMAND --help” for a command’s options and an example.</source>
        <extracomment>quillmere-cli --help; %1 is the program name</extracomment>
        <translation>コマンドのオプションと使用例は「%1 COMMAND --help」で表示されます。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit status:</source>
        <extracomment>quillmere-cli --help: heading of the exit codes</extracomment>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>done</source>
        <extracomment>quillmere-cli --help: exit code 0</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the operation failed</source>
        <extracomment>quillmere-cli --help: exit code 1</extracomment>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>usage error, unknown or ambiguous volume</source>
        <extracomment>quillmere-cli --help: exit code 2</extracomment>
        <translation>使い方の誤り、不明または曖昧なボリューム</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled</source>
        <extracomment>quillmere-cli --help: exit code 3 (a password prompt dismissed, a confirmation declined)</extracomment>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not authorized</source>
        <extracomment>quillmere-cli --help: exit code 4</extracomment>
        <translation>権限がありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the device is busy or held by another operation</source>
        <extracomment>quillmere-cli --help: exit code 5</extracomment>
        <translation>デバイスが使用中か、別の操作が使用しています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>udisks2 is not available</source>
        <extracomment>quillmere-cli --help: exit code 6</extracomment>
        <translation>udisks2 を利用できません</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Example:</source>
        <extracomment>quillmere-cli COMMAND --help: heading</extracomment>
        <translation>例:</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../../cli/historycommand.cpp" line="+34"/>
        <source>history: show only the newest N lines.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history: 新しいほうから N 行だけを表示します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>history: copy the history log to FILE (- for standard output).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>history: 履歴ログを FILE にコピーします（- を指定すると標準出力）。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>       quillmere-cli history [--limit N] [--json]
       quillmere-cli history --export FILE|-</source>
        <extracomment>quillmere-cli usage of the history command</extracomment>
        <translation>       quillmere-cli history [--limit N] [--json]
       quillmere-cli history --export FILE|-</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli usage heading</extracomment>
        <translation>使い方:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>quillmere-cli history: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: 引数は指定できません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quillmere-cli history: --export takes no other option.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: --export は他のオプションと併用できません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli history: couldn’t export to %1: %2</source>
        <extracomment>quillmere-cli history export failure</extracomment>
        <translation>quillmere-cli history: %1 に書き出せませんでした: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>quillmere-cli history: --limit takes a whole number, 0 or more.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli history: --limit には 0 以上の整数を指定してください。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli history: couldn’t read the history file %1: %2.</source>
        <extracomment>quillmere-cli history: the log could not be read; %1 is the reason</extracomment>
        <translation>quillmere-cli history: 履歴ファイル %1 を読み込めませんでした: %2。</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>quillmere-cli history: %n damaged line(s) of the history file skipped.</source>
        <extracomment>quillmere-cli history: lines of the log that are not history entries</extracomment>
        <translation>
            <numerusform>quillmere-cli history: 履歴ファイルの破損した %n 行をスキップしました。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ok</source>
        <extracomment>quillmere-cli history: the operation succeeded</extracomment>
        <translation>成功</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed</source>
        <extracomment>quillmere-cli history: the operation failed</extracomment>
        <translation>失敗</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <location filename="../../cli/listcommand.cpp" line="+150"/>
        <source>quillmere-cli: udisks2 is not running on the system bus; only mounted volumes are listed, without unmounted partitions.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli: システムバスで udisks2 が動作していません。マウント済みのボリュームだけを表示し、マウントされていないパーティションは表示しません。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>quillmere-cli: udisks2 appeared.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli: udisks2 が利用できるようになりました。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>quillmere-cli: udisks2 went away.</source>
        <extracomment>quillmere-cli --watch note</extracomment>
        <translation>quillmere-cli: udisks2 が利用できなくなりました。</translation>
    </message>
</context>
<context>
    <name>OperationCommands</name>
    <message>
        <location filename="../../cli/operationcommands.cpp" line="+41"/>
        <source>The operation failed.</source>
        <extracomment>Failure alert text when there is no detail</extracomment>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>eject: unmount even while programs hold files open.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>eject: プログラムがファイルを開いていてもアンマウントします。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>erase: the new file system (ext4, ExFAT, MS-DOS FAT32 or NTFS; default ext4).</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: 新しいファイルシステム（ext4、ExFAT、MS-DOS FAT32、NTFS のいずれか。既定は ext4）。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>erase: the new volume name.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: 新しいボリューム名。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>erase: confirm that everything on the volume may be destroyed.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>erase: ボリューム上のすべてのデータを消去してよいことを確認します。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>       quillmere-cli eject [--force] VOLUME
       quillmere-cli eject-all
       quillmere-cli remount VOLUME
       quillmere-cli rename VOLUME NAME
       quillmere-cli erase VOLUME [--format F] --name N --yes
       quillmere-cli blockers VOLUME
VOLUME is a device name, a mount point or a volume name.</source>
        <extracomment>quillmere-cli usage of the operation commands</extracomment>
        <translation>       quillmere-cli eject [--force] VOLUME
       quillmere-cli eject-all
       quillmere-cli remount VOLUME
       quillmere-cli rename VOLUME NAME
       quillmere-cli erase VOLUME [--format F] --name N --yes
       quillmere-cli blockers VOLUME
VOLUME にはデバイス名、マウントポイント、ボリューム名のいずれかを指定します。</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Usage:</source>
        <extracomment>quillmere-cli usage heading</extracomment>
        <translation>使い方:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Nothing was done.</source>
        <extracomment>quillmere-cli: after an operation that no menu offers for the volume was refused</extracomment>
        <translation>何も行われませんでした。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>quillmere-cli %1: wrong number of arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1: 引数の数が正しくありません。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>quillmere-cli %1: VOLUME is empty; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli %1: VOLUME が空です。デバイス、マウントポイント、ボリュームのいずれかを指定してください。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>quillmere-cli rename: the new name is empty.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli rename: 新しい名前が空です。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>quillmere-cli erase: unknown format “%1”; choose one of: %2.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase: 形式「%1」は不明です。次のいずれかを選んでください: %2。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: give the new name with --name.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli erase: 新しい名前を --name で指定してください。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli: udisks2 is not running on the system bus.</source>
        <extracomment>quillmere-cli warning when the disk service is absent</extracomment>
        <translation>quillmere-cli: システムバスで udisks2 が動作していません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>quillmere-cli erase: this computer can’t make %1 file systems; it can make: %2.</source>
        <extracomment>quillmere-cli usage error; %2 lists the formats that can be made</extracomment>
        <translation>quillmere-cli erase: このコンピューターでは %1 ファイルシステムを作成できません。作成できる形式: %2。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Ejected “%1”.</source>
        <extracomment>quillmere-cli eject success</extracomment>
        <translation>「%1」を取り出しました。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In use by: %1. “quillmere-cli eject --force” ejects it anyway.</source>
        <extracomment>quillmere-cli hint after an eject that programs prevented</extracomment>
        <translation>使用中のプログラム: %1。「quillmere-cli eject --force」で強制的に取り出せます。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Nothing to eject.</source>
        <extracomment>quillmere-cli eject-all without targets</extracomment>
        <translation>取り出すものはありません。</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounted “%1”.</source>
        <extracomment>quillmere-cli remount success</extracomment>
        <translation>「%1」をマウントしました。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Renamed “%1” to “%2”.</source>
        <extracomment>quillmere-cli rename success</extracomment>
        <translation>「%1」の名前を「%2」に変更しました。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Erasing “%1” destroys everything on it. Add --yes to erase it.</source>
        <extracomment>quillmere-cli erase without confirmation</extracomment>
        <translation>「%1」をフォーマットすると、中身はすべて消去されます。フォーマットするには --yes を付けてください。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Erased “%1” as %2 “%3”.</source>
        <extracomment>quillmere-cli erase success</extracomment>
        <translation>「%1」を %2 の「%3」としてフォーマットしました。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No program holds files open on “%1”.</source>
        <extracomment>quillmere-cli blockers</extracomment>
        <translation>「%1」上のファイルを開いているプログラムはありません。</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="-240"/>
        <source>Displays help on commandline options.</source>
        <extracomment>quillmere-cli --help: the -h option (Qt&apos;s own text)</extracomment>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays help including Qt specific options.</source>
        <extracomment>quillmere-cli --help: the --help-all option (Qt&apos;s own text)</extracomment>
        <translation>Qt 固有のオプションを含むヘルプを表示します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Displays version information.</source>
        <extracomment>quillmere-cli --help: the -v option (Qt&apos;s own text)</extracomment>
        <translation>バージョン情報を表示します。</translation>
    </message>
</context>
<context>
    <name>VolumeResolver</name>
    <message>
        <location filename="../../cli/volumeresolver.cpp" line="+36"/>
        <source>Several volumes are called “%1” (%2); name one by its device.</source>
        <extracomment>quillmere-cli: an ambiguous volume name</extracomment>
        <translation>「%1」という名前のボリュームが複数あります（%2）。デバイス名で指定してください。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No volume given; name a device, a mount point or a volume.</source>
        <extracomment>quillmere-cli: an empty volume argument</extracomment>
        <translation>ボリュームが指定されていません。デバイス、マウントポイント、ボリュームのいずれかを指定してください。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>“%1” is a device and also the name of the volume on %2; name it by its path (/dev/%1) or its mount point.</source>
        <extracomment>quillmere-cli: an argument that is one volume&apos;s device and another&apos;s name</extracomment>
        <translation>「%1」はデバイス名であると同時に %2 上のボリュームの名前でもあります。パス（/dev/%1）またはマウントポイントで指定してください。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No volume is called “%1”, mounted there or on that device.</source>
        <extracomment>quillmere-cli: the volume argument matches nothing</extracomment>
        <translation>「%1」という名前、マウント先、デバイスのいずれにも当てはまるボリュームはありません。</translation>
    </message>
</context>
<context>
    <name>VolumeTable</name>
    <message>
        <location filename="../../cli/volumetable.cpp" line="+20"/>
        <source>%1 of %2</source>
        <extracomment>quillmere-cli list: free space of total capacity</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>NAME</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KIND</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>種類</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNTED</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>マウント</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DEVICE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>デバイス</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOUNT POINT</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>マウントポイント</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FREE</source>
        <extracomment>quillmere-cli list column</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>Volume is mounted</extracomment>
        <translation>はい</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>Volume is not mounted</extracomment>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../cli/commandhelp.cpp" line="+171"/>
        <source>Lists the volumes Quillmere sees.</source>
        <extracomment>quillmere-cli --help</extracomment>
        <translation>Quillmere が認識しているボリュームを一覧表示します。</translation>
    </message>
    <message>
        <location filename="../../cli/main.cpp" line="+80"/>
        <source>Run “%1 --help” for the commands and their options.</source>
        <extracomment>quillmere-cli: after a usage error; %1 is the program name</extracomment>
        <translation>コマンドとそのオプションは「%1 --help」で表示されます。</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: unknown command “%2”.</source>
        <extracomment>quillmere-cli usage error; %1 is the program name, %2 what was typed</extracomment>
        <translation>%1: 不明なコマンド「%2」です。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>quillmere-cli list: takes no arguments.</source>
        <extracomment>quillmere-cli usage error</extracomment>
        <translation>quillmere-cli list: 引数は指定できません。</translation>
    </message>
</context>
</TS>
