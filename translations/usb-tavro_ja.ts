<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Failure</name>
    <message>
        <source>the transmitter</source>
        <translation>送信機</translation>
    </message>
    <message>
        <source>the transmitter at %1</source>
        <translation>%1 の送信機</translation>
    </message>
    <message>
        <source>no permission to write to %1: %2</source>
        <translation>%1に書き込む権限がありません：%2</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>%1を開けませんでした（%2）</translation>
    </message>
    <message>
        <source>%1 did not take the setting (%2)</source>
        <translation>%1が設定を受け付けませんでした（%2）</translation>
    </message>
    <message>
        <source>%1 could not be closed after the setting (%2)</source>
        <translation>設定後に%1を閉じられませんでした（%2）</translation>
    </message>
    <message>
        <source>%1 was unplugged during the write</source>
        <translation>書き込み中に%1が取り外されました</translation>
    </message>
    <message>
        <source>%1 did not take the setting in time: the kernel held the write past the time limit</source>
        <translation>%1が時間内に設定を受け付けませんでした：カーネルが書き込みを制限時間を超えて保留しました</translation>
    </message>
    <message>
        <source>%1 is still busy with an earlier setting that the kernel holds</source>
        <translation>%1はカーネルが保留している以前の設定をまだ処理中です</translation>
    </message>
    <message>
        <source>%1 could not be reached (result %2)</source>
        <translation>%1に到達できませんでした（結果 %2）</translation>
    </message>
    <message>
        <source>%1: plug it in again</source>
        <translation>%1：もう一度差し込んでください</translation>
    </message>
    <message>
        <source>%1: close the program that holds it</source>
        <translation>%1：使用中のプログラムを終了してください</translation>
    </message>
    <message>
        <source>the udev rule %1 is in place, but it gives access only to the user logged in at the seat and only to a transmitter plugged in after it was installed: unplug the transmitter and plug it in again</source>
        <translation>udev ルール %1 は導入済みですが、アクセスできるのはシートにログインしているユーザーだけで、しかもルールの導入後に接続された送信機に限られます：送信機を取り外して、もう一度差し込んでください</translation>
    </message>
    <message>
        <source>install the udev rule with &apos;%1&apos;, run &apos;%2&apos;, then unplug the transmitter and plug it in again</source>
        <translation>&apos;%1&apos; で udev ルールをインストールし、&apos;%2&apos; を実行してから、送信機を取り外して、もう一度差し込んでください</translation>
    </message>
    <message>
        <source>install the udev rule %1 (in packaging/ of the source) in %2, run &apos;%3&apos;, then unplug the transmitter and plug it in again</source>
        <translation>udev ルール %1（ソースの packaging/ にあります）を %2 にインストールし、&apos;%3&apos; を実行してから、送信機を取り外して、もう一度差し込んでください</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>USB_Tavro FM Transmitter</source>
        <translation>USB_Tavro FM 送信機</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>デバイス(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Plug In Simulated Transmitter</source>
        <translation>シミュレートした送信機を接続(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About USB_Tavro</source>
        <translation>USB_Tavro について(&amp;A)</translation>
    </message>
    <message>
        <source>About USB_Tavro</source>
        <translation>USB_Tavro について</translation>
    </message>
    <message>
        <source>USB_Tavro %1

Settings for a USB FM transmitter.</source>
        <translation>USB_Tavro %1

USB FM 送信機の設定。</translation>
    </message>
</context>
<context>
    <name>PaneLoader</name>
    <message>
        <source>%1 is not a pane bundle: no readable %2</source>
        <translation>%1 はペインのバンドルではありません：読み取り可能な %2 がありません</translation>
    </message>
    <message>
        <source>cannot load the interface file of %1</source>
        <translation>%1 のインターフェイスファイルを読み込めません</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>a value in it cannot be written back unchanged</source>
        <translation>一部の値を変更せずに書き戻すことができません</translation>
    </message>
    <message>
        <source>too large to be read back</source>
        <translation>大きすぎて読み戻せません</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <source>%1.</source>
        <extracomment>A clause as a sentence of its own: its full stop, in the language&apos;s writing.</extracomment>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file %1 could not be read; it is kept as %2.</source>
        <translation>設定ファイル %1 を読み込めなかったため、%2 として保管しました。</translation>
    </message>
    <message>
        <source>The settings file %1 holds a value that cannot be written back as it is; it is kept as it was as %2.</source>
        <translation>設定ファイル %1 にはそのまま書き戻せない値が含まれているため、元の状態のまま %2 として保管しました。</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>保存先のホームフォルダーがありません</translation>
    </message>
    <message>
        <source>the file there cannot be read, nor moved aside</source>
        <translation>既存のファイルを読み込むことも、退避することもできません</translation>
    </message>
    <message>
        <source>the file there holds a value that cannot be written back, and it cannot be copied aside</source>
        <translation>既存のファイルには書き戻せない値が含まれており、そのコピーを退避することもできません</translation>
    </message>
</context>
<context>
    <name>SettingsMenus</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>送信機(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Band</source>
        <translation>バンド(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;%1 (Japan)</source>
        <translation>&amp;%1（日本）</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source>Tune the transmitter when it is &amp;plugged in</source>
        <translation>接続時に送信機をチューニング(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tune To…</source>
        <translation>周波数を指定(&amp;T)…</translation>
    </message>
    <message>
        <source>St&amp;ations</source>
        <translation>放送局(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save Station…</source>
        <translation>放送局を保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Rename Station</source>
        <translation>放送局の名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;move Station</source>
        <translation>放送局を削除(&amp;M)</translation>
    </message>
    <message>
        <source>No stations saved</source>
        <translation>保存された放送局はありません</translation>
    </message>
    <message>
        <source>Tune To</source>
        <translation>周波数を指定</translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz or kHz):</source>
        <translation>周波数 (MHz または kHz)(&amp;F)：</translation>
    </message>
    <message>
        <source>Save Station</source>
        <translation>放送局を保存</translation>
    </message>
    <message>
        <source>&amp;Name for %1:</source>
        <translation>%1 の名前(&amp;N)：</translation>
    </message>
    <message>
        <source>Rename Station</source>
        <translation>放送局の名前を変更</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>新しい名前(&amp;N)：</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>nothing reads from it</source>
        <translation>読み取るプログラムがありません</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>画像を書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>Stations</name>
    <message>
        <source>a station&apos;s name cannot be empty</source>
        <translation>放送局名を空にすることはできません</translation>
    </message>
    <message>
        <source>a station&apos;s name has at most %1 characters, not %2</source>
        <translation>放送局名は %1 文字以内です（%2 文字あります）</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold control characters</source>
        <translation>放送局名に制御文字は使えません</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot hold invisible characters, direction marks or line separators</source>
        <translation>放送局名に不可視文字、方向マーク、行区切り文字は使えません</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot start or end with a space</source>
        <translation>放送局名の先頭と末尾に空白は使えません</translation>
    </message>
    <message>
        <source>a station&apos;s name cannot be a frequency alone, as %1 is</source>
        <translation>放送局名を周波数だけにすることはできません（%1 は周波数です）</translation>
    </message>
    <message>
        <source>the frequency is outside every band</source>
        <translation>周波数がどのバンドにも含まれません</translation>
    </message>
    <message>
        <source>%1 stations are saved, as many as can be: remove one first</source>
        <translation>放送局はすでに上限の %1 局が保存されています：先にどれかを削除してください</translation>
    </message>
    <message>
        <source>no station named %1</source>
        <translation>「%1」という名前の放送局はありません</translation>
    </message>
    <message>
        <source>a station named %1 is saved already</source>
        <translation>「%1」という名前の放送局はすでに保存されています</translation>
    </message>
    <message>
        <source>the settings file&apos;s %1 holds no list of stations, and is kept as it is</source>
        <translation>設定ファイルの %1 は放送局の一覧ではないため、そのまま残します</translation>
    </message>
</context>
<context>
    <name>TransmitterModule</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>再試行(&amp;T)</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, brought forward now. Close it to set the transmitter here.</source>
        <translation>送信機は別のパネルで設定中です。そのパネルを前面に表示しました。ここで送信機を設定するには、そのパネルを閉じてください。</translation>
    </message>
    <message>
        <source>The transmitter is set in another panel, which did not come forward. Close it to set the transmitter here.</source>
        <translation>送信機は別のパネルで設定中ですが、そのパネルを前面に表示できませんでした。ここで送信機を設定するには、そのパネルを閉じてください。</translation>
    </message>
</context>
<context>
    <name>Tuning</name>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1～%2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz, stereo</source>
        <translation>%1 MHz、ステレオ</translation>
    </message>
    <message>
        <source>%1 MHz, mono</source>
        <translation>%1 MHz、モノラル</translation>
    </message>
    <message>
        <source>the frequency is empty</source>
        <translation>周波数が空です</translation>
    </message>
    <message>
        <source>%1 is not a frequency: write decimals with a point, as in 88.1</source>
        <translation>%1 は周波数ではありません：小数は 88.1 のようにピリオドで書いてください</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 は周波数ではありません</translation>
    </message>
    <message>
        <source>%1 is outside the band %2</source>
        <translation>%1 はバンド %2 の範囲外です</translation>
    </message>
    <message>
        <source>%1 is not on the 100 kHz grid: %2 or %3 MHz</source>
        <translation>%1 は 100 kHz 刻みではありません：%2 MHz か %3 MHz にしてください</translation>
    </message>
</context>
<context>
    <name>USB_TavroPane</name>
    <message>
        <source>Drag the knob round, or use the up and down arrow keys</source>
        <translation>つまみをドラッグして回すか、上下の矢印キーを使ってください</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>USB_Tavro logo</source>
        <translation>USB_Tavro のロゴ</translation>
    </message>
    <message>
        <source>FM transmitter</source>
        <translation>FM 送信機</translation>
    </message>
    <message>
        <source>Stereo or mono</source>
        <translation>ステレオまたはモノラル</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <translation>ステレオ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <translation>モノラル(&amp;M)</translation>
    </message>
</context>
<context>
    <name>USB_TavroPref</name>
    <message>
        <source>Hardware version: unknown</source>
        <translation>ハードウェアバージョン：不明</translation>
    </message>
    <message>
        <source>Hardware version: %1</source>
        <translation>ハードウェアバージョン：%1</translation>
    </message>
    <message>
        <source>version %1 (%2)</source>
        <translation>バージョン %1 (%2)</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>ビルド日：%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>設定を %1 に保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>Plug in the transmitter.</source>
        <translation>送信機を接続してください。</translation>
    </message>
</context>
<context>
    <name>usb_tavro</name>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>--station needs a station&apos;s name</source>
        <translation>--station には放送局名が必要です</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
    <message>
        <source>%1 needs a frequency</source>
        <translation>%1 には周波数が必要です</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>%1 applies to tune and station save only</source>
        <translation>%1 は tune と station save にのみ使えます</translation>
    </message>
    <message>
        <source>--mono and --stereo exclude each other</source>
        <translation>--mono と --stereo は同時に指定できません</translation>
    </message>
    <message>
        <source>--on-plug applies to apply only</source>
        <translation>--on-plug は apply にのみ使えます</translation>
    </message>
    <message>
        <source>--station applies to tune only</source>
        <translation>--station は tune にのみ使えます</translation>
    </message>
    <message>
        <source>tune takes a frequency or --station, not both</source>
        <translation>tune には周波数と --station のどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>Usage: usb-tavro [--simulate] status
       usb-tavro [--simulate] tune FREQ [--mono | --stereo]
       usb-tavro [--simulate] tune --station NAME [--mono | --stereo]
       usb-tavro [--simulate] list
       usb-tavro [--simulate] apply [NODE] [--on-plug]
       usb-tavro band [0 | world | 1 | japan]
       usb-tavro apply-on-plug [on | off]
       usb-tavro station [list]
       usb-tavro station save NAME [FREQ] [--mono | --stereo]
       usb-tavro station rename NAME NEW
       usb-tavro station remove NAME

Tunes a USB FM transmitter (USB 0f5a:0b17) from the command line, with the
settings file of the settings panel usb-tavro-prefs.

Commands:
  status          Show whether a transmitter is connected and its hardware
                  version, and the saved frequency, band, stereo choice and
                  ApplyOnPlug. Exits with 1 when no transmitter is connected.
  tune FREQ       Send FREQ to the transmitter and save it as the panel&apos;s
                  setting, so that the panel opens on it. FREQ is in MHz (88.1)
                  or kHz (88100): a number from 1000 up is in kHz; or give the
                  unit (88.1MHz, 88100kHz). It must lie in the band of the
                  settings file and on the 100 kHz grid. The stereo choice stays
                  as saved (stereo if none is) unless --mono or --stereo is
                  given. When no transmitter can be tuned, the frequency and
                  stereo choice are saved all the same (the panel sends them when
                  it next connects one) and the exit status is 1. With
                  --station NAME, tunes to the saved station NAME, with its
                  stereo choice unless --mono or --stereo is given, switching
                  the band when the station is in the other one.
  list            List the transmitters plugged in, one a line: device node and
                  hardware version. status and tune use the first one that can
                  be written to, as the panel does.
  apply [NODE]    Send what the panel sends a transmitter when it connects it:
                  the saved frequency moved into the band (the nearer end when
                  it lies outside) and onto the 100 kHz step below it, and the
                  stereo choice; to the transmitter at the device node NODE
                  (/dev/hidraw0), or to every transmitter plugged in. Says what
                  it sent. Saves nothing. Waits up to a second for a node that
                  may not be written to yet.
  band [BAND]     Show the band, or save BAND as it: 0 or world is 88.1 to
                  107.9 MHz, 1 or japan is 76.1 to 89.9 MHz. A saved
                  frequency outside it is moved to its nearer end, saved, and
                  sent to a transmitter plugged in.
  apply-on-plug [on | off]
                  Show whether a transmitter plugged in while the panel is
                  closed gets the saved settings (on, the default; apply
                  --on-plug sends it), or save on or off.
  station [list]  List the saved stations: name, frequency and stereo choice.
  station save NAME [FREQ]
                  Save FREQ (the saved frequency when none is given) and the
                  stereo choice (the saved one unless --mono or --stereo is
                  given) as the station NAME, in place of one of that name. Up
                  to 32 stations; a name has 1 to 64 characters, no control
                  or invisible characters, no space at either end, and is more
                  than a frequency.
  station rename NAME NEW
                  Give the station NAME the name NEW.
  station remove NAME
                  Remove the station NAME.

Options:
  --mono          Tune, or save the station, for mono.
  --stereo        Tune, or save the station, for stereo.
  --station NAME  For tune: the station to tune to.
  --on-plug       For apply at a plug-in (the systemd user unit passes it):
                  send nothing when ApplyOnPlug is false in the settings file.
  --simulate      Use a simulated transmitter, plugged in, instead of a real
                  one; it prints every report it receives. The settings file is
                  the real one.
  -h, --help      Show this help and exit.
  -v, --version   Show the version and exit.

Every command that saves keeps every other setting of the file. Bands, kept
as the &quot;Style&quot; key of the settings file: 0 is 88.1 to 107.9 MHz (also for a
missing or unknown style), 1 is 76.1 to 89.9 MHz.
Settings file: %1

Exit status: 0 done; 1 no transmitter, a device error, the settings file could
not be written, or the output could not be written; 2 bad usage, a frequency
outside the band or off the 100 kHz grid, or a station that is not saved, a bad
name, a name taken, or a 33rd station.
</source>
        <translation>使い方：usb-tavro [--simulate] status
        usb-tavro [--simulate] tune FREQ [--mono | --stereo]
        usb-tavro [--simulate] tune --station NAME [--mono | --stereo]
        usb-tavro [--simulate] list
        usb-tavro [--simulate] apply [NODE] [--on-plug]
        usb-tavro band [0 | world | 1 | japan]
        usb-tavro apply-on-plug [on | off]
        usb-tavro station [list]
        usb-tavro station save NAME [FREQ] [--mono | --stereo]
        usb-tavro station rename NAME NEW
        usb-tavro station remove NAME

USB FM 送信機（USB 0f5a:0b17）をコマンドラインからチューニングします。設定パネル
usb-tavro-prefs の設定ファイルを使います。

コマンド：
  status          送信機が接続されているかとそのハードウェアバージョン、保存され
                  た周波数、バンド、ステレオ設定、ApplyOnPlug を表示します。送信
                  機が接続されていない場合は 1 で終了します。
  tune FREQ       FREQ を送信機に送り、パネルがその周波数で開くように、パネルの
                  設定として保存します。FREQ は MHz（88.1）または kHz（88100）で
                  指定します：1000 以上の数値は kHz とみなします。単位を付けるこ
                  ともできます（88.1MHz、88100kHz）。設定ファイルのバンド内で、
                  100 kHz 刻みの周波数である必要があります。--mono か --stereo
                  を指定しない限り、ステレオ設定は保存されたまま（未保存なら
                  ステレオ）です。チューニングできる送信機がない場合も、周波数と
                  ステレオ設定は保存され（次にパネルが送信機を接続したときに送信
                  します）、終了ステータスは 1 になります。--station NAME を指定
                  すると、保存された放送局 NAME にチューニングします。ステレオ設
                  定は --mono か --stereo を指定しない限りその放送局のものを使
                  い、放送局がもう一方のバンドにあればバンドを切り替えます。
  list            接続されている送信機を 1 行に 1 台ずつ、デバイスノードと
                  ハードウェアバージョンで一覧表示します。status と tune は、
                  パネルと同じく、書き込み可能な最初の送信機を使います。
  apply [NODE]    パネルが送信機を接続したときに送る内容を送信します：バンド内に
                  収め（範囲外なら近い方の端）、100 kHz 単位に切り下げた保存済み
                  の周波数と、ステレオ設定です。送信先はデバイスノード NODE
                  （/dev/hidraw0）の送信機、または接続されているすべての送信機で
                  す。送信した内容を表示します。何も保存しません。まだ書き込めな
                  いノードは最大 1 秒待ちます。
  band [BAND]     バンドを表示するか、BAND をバンドとして保存します：0 または
                  world は 88.1～107.9 MHz、1 または japan は 76.1～89.9 MHz で
                  す。保存された周波数がバンド外なら近い方の端に移して保存し、接
                  続されている送信機に送信します。
  apply-on-plug [on | off]
                  パネルが閉じている間に接続された送信機に保存された設定を送るか
                  どうか（既定値は on。送信するのは apply --on-plug）を表示する
                  か、on または off を保存します。
  station [list]  保存された放送局を、名前、周波数、ステレオ設定とともに一覧表示
                  します。
  station save NAME [FREQ]
                  FREQ（指定しない場合は保存された周波数）とステレオ設定（--mono
                  か --stereo を指定しない限り保存された設定）を放送局 NAME とし
                  て保存します。同じ名前の放送局があれば置き換えます。最大 32 局
                  まで。名前は 1～64 文字で、制御文字や不可視文字を含まず、先頭
                  と末尾に空白がなく、周波数だけではないものにします。
  station rename NAME NEW
                  放送局 NAME の名前を NEW に変更します。
  station remove NAME
                  放送局 NAME を削除します。

オプション：
  --mono          モノラルでチューニング、または放送局を保存します。
  --stereo        ステレオでチューニング、または放送局を保存します。
  --station NAME  tune 用：チューニングする放送局。
  --on-plug       接続時の apply 用（systemd のユーザーユニットが渡します）：設
                  定ファイルの ApplyOnPlug が false なら何も送信しません。
  --simulate      実際の送信機の代わりに、接続済みのシミュレートした送信機を使い
                  ます。受け取ったレポートをすべて表示します。設定ファイルは実際
                  のものを使います。
  -h, --help      このヘルプを表示して終了します。
  -v, --version   バージョンを表示して終了します。

保存するコマンドはいずれも、ファイルのほかの設定をすべて保持します。バンドは設定
ファイルの &quot;Style&quot; キーに保存されます：0 は 88.1～107.9 MHz（Style がない場合や
不明な場合も同じ）、1 は 76.1～89.9 MHz です。
設定ファイル：%1

終了ステータス：0 完了。1 送信機がない、デバイスエラー、設定ファイルを書き込めな
かった、または出力を書き込めなかった。2 使い方の誤り、バンド外または 100 kHz 刻
みでない周波数、保存されていない放送局、不正な名前、使用済みの名前、または 33 局
目の放送局。
</translation>
    </message>
    <message>
        <source>no transmitter found</source>
        <translation>送信機が見つかりません</translation>
    </message>
    <message>
        <source>connected, hardware version %1</source>
        <translation>接続済み、ハードウェアバージョン %1</translation>
    </message>
    <message>
        <source>connected at %1, hardware version %2</source>
        <translation>%1 で接続済み、ハードウェアバージョン %2</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>found (hardware version %1), not connected</source>
        <translation>検出（ハードウェアバージョン %1）、未接続</translation>
    </message>
    <message>
        <source>found at %1 (hardware version %2), not connected</source>
        <translation>%1 で検出（ハードウェアバージョン %2）、未接続</translation>
    </message>
    <message>
        <source>could not be read; the next save keeps it as %1</source>
        <translation>読み込めないため、次回の保存時に %1 として保管します</translation>
    </message>
    <message>
        <source>holds a value that cannot be written back as it is; the next save keeps it as it was as %1</source>
        <translation>そのまま書き戻せない値が含まれているため、次回の保存時に元の状態のまま %1 として保管します</translation>
    </message>
    <message>
        <source>Tuned to %1.</source>
        <translation>チューニングしました：%1。</translation>
    </message>
    <message>
        <source>tuned to %1, but the settings file %2 could not be written: %3</source>
        <translation>チューニングしました（%1）が、設定ファイル %2 を書き込めませんでした：%3</translation>
    </message>
    <message>
        <source>%1; saved %2, for the settings panel</source>
        <translation>%1。設定パネル用に保存しました：%2</translation>
    </message>
    <message>
        <source>%1; the settings file %2 could not be written either: %3</source>
        <translation>%1。設定ファイル %2 も書き込めませんでした：%3</translation>
    </message>
    <message>
        <source>%1  hardware version %2</source>
        <translation>%1  ハードウェアバージョン %2</translation>
    </message>
    <message>
        <source>(no device node)</source>
        <translation>（デバイスノードなし）</translation>
    </message>
    <message>
        <source>%1  (no permission to write to it)</source>
        <translation>%1  （書き込み権限なし）</translation>
    </message>
    <message>
        <source>%1  (cannot be used)</source>
        <translation>%1  （使用不可）</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read: nothing sent</source>
        <translation>設定ファイル %1 を読み込めませんでした：何も送信していません</translation>
    </message>
    <message>
        <source>ApplyOnPlug is false in %1: nothing sent.</source>
        <translation>%1 の ApplyOnPlug が false のため、何も送信しませんでした。</translation>
    </message>
    <message>
        <source>Applied %1 to %2.</source>
        <translation>%2に適用しました：%1。</translation>
    </message>
    <message>
        <source>no transmitter at %1</source>
        <translation>%1 に送信機はありません</translation>
    </message>
    <message>
        <source>could not write to standard output: %1</source>
        <translation>標準出力に書き込めませんでした：%1</translation>
    </message>
    <message>
        <source>%1 (see usb-tavro --help)</source>
        <translation>%1（usb-tavro --help を参照してください）</translation>
    </message>
    <message>
        <source>usb-tavro: %1</source>
        <translation>usb-tavro: %1</translation>
    </message>
    <message>
        <source>%1 (style %2, the default)</source>
        <translation>%1（Style %2、既定値）</translation>
    </message>
    <message>
        <source>%1 (style %2)</source>
        <translation>%1（Style %2）</translation>
    </message>
    <message>
        <source>%1 (style %2 is unknown: the band of style 0)</source>
        <translation>%1（Style %2 は不明：Style 0 のバンド）</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1（既定値）</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz (default)</source>
        <translation>%1 MHz（既定値）</translation>
    </message>
    <message>
        <source>%1 MHz (the panel and apply send %2 MHz)</source>
        <translation>%1 MHz（パネルと apply は %2 MHz を送信）</translation>
    </message>
    <message>
        <source>%1 MHz (outside the band: the panel and apply send %2 MHz)</source>
        <translation>%1 MHz（バンド外：パネルと apply は %2 MHz を送信）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Transmitter:</source>
        <translation>送信機：</translation>
    </message>
    <message>
        <source>Saved frequency:</source>
        <translation>保存された周波数：</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>バンド：</translation>
    </message>
    <message>
        <source>Stereo:</source>
        <translation>ステレオ：</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Apply on plug:</source>
        <translation>接続時にチューニング：</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>設定ファイル：</translation>
    </message>
    <message>
        <source>a name for the station</source>
        <translation>放送局の名前</translation>
    </message>
    <message>
        <source>the station&apos;s name and its new one</source>
        <translation>放送局の名前と新しい名前</translation>
    </message>
    <message>
        <source>the station&apos;s name</source>
        <translation>放送局の名前</translation>
    </message>
    <message>
        <source>station takes list, save, rename or remove, not %1</source>
        <translation>station に %1 は指定できません：list、save、rename、remove のいずれかを指定してください</translation>
    </message>
    <message>
        <source>station %1 needs %2</source>
        <translation>station %1 には%2が必要です</translation>
    </message>
    <message>
        <source>unknown band %1: give 0 or world (%2), 1 or japan (%3)</source>
        <translation>不明なバンド %1：0 または world（%2）、1 または japan（%3）を指定してください</translation>
    </message>
    <message>
        <source>apply-on-plug takes on or off, not %1</source>
        <translation>apply-on-plug に %1 は指定できません：on か off を指定してください</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2</source>
        <translation>設定ファイル %1 を書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>%1: give the name first, as in usb-tavro station save NAME %2</source>
        <translation>%1：usb-tavro station save NAME %2 のように、名前を先に指定してください</translation>
    </message>
    <message>
        <source>No stations saved (usb-tavro station save NAME saves one).</source>
        <translation>保存された放送局はありません（usb-tavro station save NAME で保存できます）。</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries of that name).</source>
        <translation>
            <numerusform>%1（この名前のエントリーは %n 件）。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1 (style %2 in %3)</source>
        <translation>%1（%3 の Style %2）</translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation>バンド：%1</translation>
    </message>
    <message>
        <source>Band: %1, saved. The saved frequency %2 MHz was outside it: now %3 MHz.</source>
        <translation>バンド：%1、保存しました。保存されていた周波数 %2 MHz はバンド外だったため、%3 MHz になりました。</translation>
    </message>
    <message>
        <source>Band: %1, saved.</source>
        <translation>バンド：%1、保存しました。</translation>
    </message>
    <message>
        <source>Apply on plug: yes, saved: each transmitter plugged in gets the saved settings.</source>
        <translation>接続時にチューニング：はい（保存しました）。接続した送信機にはすべて、保存された設定が送られます。</translation>
    </message>
    <message>
        <source>Apply on plug: no, saved: a transmitter plugged in while the panel is closed keeps what it had.</source>
        <translation>接続時にチューニング：いいえ（保存しました）。パネルを閉じている間に接続した送信機は、それまでの設定のままです。</translation>
    </message>
    <message>
        <source>Replaced station %1: %2.</source>
        <translation>放送局「%1」を置き換えました：%2。</translation>
    </message>
    <message>
        <source>Saved station %1: %2.</source>
        <translation>放送局「%1」を保存しました：%2。</translation>
    </message>
    <message>
        <source>Renamed station %1 to %2</source>
        <translation>放送局「%1」の名前を「%2」に変更しました</translation>
    </message>
    <message>
        <source>Removed station %1</source>
        <translation>放送局「%1」を削除しました</translation>
    </message>
    <message>
        <source>Apply on plug: %1</source>
        <translation>接続時にチューニング：%1</translation>
    </message>
</context>
<context>
    <name>usb_tavro_prefs</name>
    <message>
        <source>the X display %1 is not running</source>
        <translation>X ディスプレイ %1 が動作していません</translation>
    </message>
    <message>
        <source>the Wayland display %1 is not running</source>
        <translation>Wayland ディスプレイ %1 が動作していません</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 には &lt;%2&gt; が必要です</translation>
    </message>
    <message>
        <source>Settings for a USB FM transmitter: turn the dial to tune it, pick stereo or mono.
Settings are kept in %1.</source>
        <translation>USB FM 送信機の設定：ダイヤルでチューニングし、ステレオかモノラルを選びます。
設定は %1 に保存されます。</translation>
    </message>
    <message>
        <source>Use a simulated transmitter instead of a real one. It starts plugged in; the Device menu pulls it out and plugs it in again. Every report it receives is printed on standard output.</source>
        <translation>実際の送信機の代わりにシミュレートした送信機を使います。
起動時は接続された状態で、デバイスメニューで取り外しと再
接続ができます。受け取ったレポートはすべて標準出力に表示
されます。</translation>
    </message>
    <message>
        <source>Load the pane from the bundle at &lt;path&gt; (default: beside the program, else the installed one).</source>
        <translation>&lt;path&gt; のバンドルからペインを読み込みます（既定：
プログラムと同じ場所、なければインストール済みのもの）。</translation>
    </message>
    <message>
        <source>Render the pane to &lt;file&gt; as PNG, without a display, and exit.</source>
        <translation>ディスプレイを使わずにペインを PNG として &lt;file&gt; に描画
し、終了します。</translation>
    </message>
    <message>
        <source>With --screenshot: &lt;factor&gt; pixels per point (1 to 8; default: the screen&apos;s, as QT_SCALE_FACTOR sets it).</source>
        <translation>--screenshot と併用：1 ポイントあたり &lt;factor&gt; ピクセル
（1～8。既定：QT_SCALE_FACTOR で設定される画面の値）。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1 (see usb-tavro-prefs --help)</source>
        <translation>usb-tavro-prefs: %1（usb-tavro-prefs --help を参照してください）</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale takes a number from 1 to 8, not %1</source>
        <translation>usb-tavro-prefs: --scale に %1 は指定できません：1 から 8 の数値を指定してください</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: --scale applies to --screenshot only</source>
        <translation>usb-tavro-prefs: --scale は --screenshot と一緒にしか使えません</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot open a window: %1 (--screenshot works without one)</source>
        <translation>usb-tavro-prefs: ウィンドウを開けません：%1（--screenshot はウィンドウなしで動作します）</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: %1</source>
        <translation>usb-tavro-prefs: %1</translation>
    </message>
    <message>
        <source>Or the simulated one: Device, Plug In Simulated Transmitter.</source>
        <translation>シミュレートした送信機を使うには「デバイス」→「シミュレートした送信機を接続」を選んでください。</translation>
    </message>
    <message>
        <source>usb-tavro-prefs: cannot write %1: %2</source>
        <translation>usb-tavro-prefs: %1 を書き込めません：%2</translation>
    </message>
</context>
<context>
    <name>xr_tunerCtl</name>
    <message>
        <source>no transmitter</source>
        <translation>送信機なし</translation>
    </message>
</context>
</TS>
