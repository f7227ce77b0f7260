<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Messages</name>
    <message>
        <source>Welcome to use KtCtiCogfig.exe！</source>
        <translation>歡迎使用 KtCtiConfig.exe！</translation>
    </message>
    <message>
        <source>Applying..., please wait for a moment !</source>
        <translation>正在套用設定，請稍候！</translation>
    </message>
    <message>
        <source>Error found in current configuration!</source>
        <translation>目前設定有錯誤！</translation>
    </message>
    <message>
        <source>Current configuration succeeds!</source>
        <translation>目前設定成功！</translation>
    </message>
    <message>
        <source>ip card register successed!</source>
        <translation>IP板卡註冊成功！</translation>
    </message>
    <message>
        <source>Error: board ID supplying system clock must be less than or equal to the total number of boards!</source>
        <translation>錯誤：提供系統時脈的板卡號必須小於或等於板卡總數！</translation>
    </message>
    <message>
        <source>MaxWaitDialToneTime should between 0s and 30s!!</source>
        <translation>MaxWaitDialToneTime 應在 0 秒到 30 秒之間！</translation>
    </message>
    <message>
        <source>WaitAfterDialTime should between 16ms and 60000ms!!</source>
        <translation>WaitAfterDialTime 應在 16 毫秒到 60000 毫秒之間！</translation>
    </message>
    <message>
        <source>Current options has been changed,do you want save them?
<byte value="xd"/>select &quot;Yes&quot; to save changes;select &quot;No&quot; to discard changes;select &quot;Cancel&quot; to return modify page.</source>
        <translation>目前選項已修改，是否儲存？
選擇「是」儲存修改；選擇「否」放棄修改；選擇「取消」返回修改頁面。</translation>
    </message>
    <message>
        <source>Loadlibrary KTDRV.dll error!</source>
        <translation>載入驅動程式庫 KTDRV 失敗！</translation>
    </message>
    <message>
        <source>KTDRV.dll GetProcAddress error!</source>
        <translation>驅動程式庫 KTDRV 缺少所需函式！</translation>
    </message>
    <message>
        <source>KtCtiConfig has already loaded!</source>
        <translation>KtCtiConfig 已經在執行！</translation>
    </message>
    <message>
        <source>CreateCfgFileMap Failed!</source>
        <translation>建立共用設定記憶體失敗！</translation>
    </message>
    <message>
        <source>CreateCfgEvent Failed!</source>
        <translation>建立設定事件失敗！</translation>
    </message>
    <message>
        <source>Error: Fail to write the value of HKEY_CURRENT_USER\Software\KtCtiConfig\HideKtCtiConfigDlg in regist</source>
        <translation>錯誤：無法儲存設定 HideKtCtiConfigDlg！</translation>
    </message>
    <message>
        <source>Select the board to be deleted</source>
        <translation>請選擇要刪除的板卡</translation>
    </message>
    <message>
        <source>This is the last one board! </source>
        <translation>這是最後一塊板卡！</translation>
    </message>
    <message>
        <source>Select the boards to be exchanged</source>
        <translation>請選擇要交換的兩塊板卡</translation>
    </message>
    <message>
        <source>Select the board to be modified</source>
        <translation>請選擇要修改的板卡</translation>
    </message>
    <message>
        <source>Error: PCI board not found! Please check if the boards has been correctly installed.</source>
        <translation>錯誤：找不到板卡！請檢查板卡是否正確安裝。</translation>
    </message>
    <message>
        <source>Read KtConfigFile error!</source>
        <translation>讀取 KtConfig.ini 出錯！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The PCI 2-E1/T1 and 4-E1/T1 monitoring boards do not support the hardware MP3 codec; the series 2 ISDN trunk boards do.</source>
        <translation>PCI 2-E1/T1 與 4-E1/T1 監控板不支援硬體 MP3 編碼；第二代 ISDN 數位中繼板支援。</translation>
    </message>
    <message>
        <source>Select the linker to be modified!</source>
        <translation>請選擇要修改的鏈路！</translation>
    </message>
    <message>
        <source>Select the linker to be deleted!</source>
        <translation>請選擇要刪除的鏈路！</translation>
    </message>
    <message>
        <source>Select the rule to be modified!</source>
        <translation>請選擇要修改的規則！</translation>
    </message>
    <message>
        <source>Select the rule to be deleted!</source>
        <translation>請選擇要刪除的規則！</translation>
    </message>
    <message>
        <source>Select the SpyPcm to be modified!</source>
        <translation>請選擇要修改的監聽PCM！</translation>
    </message>
    <message>
        <source>Select the SpyPcm to be deleted!</source>
        <translation>請選擇要刪除的監聽PCM！</translation>
    </message>
    <message>
        <source>Select the SpiedPcm to be modified!</source>
        <translation>請選擇要修改的被監聽PCM！</translation>
    </message>
    <message>
        <source>Select the SpiedPcm to be deleted!</source>
        <translation>請選擇要刪除的被監聽PCM！</translation>
    </message>
    <message>
        <source>Select the SS7_Link to be modified!</source>
        <translation>請選擇要修改的SS7鏈路！</translation>
    </message>
    <message>
        <source>Select the SS7_Link to be deleted!</source>
        <translation>請選擇要刪除的SS7鏈路！</translation>
    </message>
</context>
<context>
    <name>PageTree</name>
    <message>
        <source>Boards Setting</source>
        <translation>板卡設定</translation>
    </message>
    <message>
        <source>PCM Options</source>
        <translation>PCM 選項</translation>
    </message>
    <message>
        <source>Board SIP Options</source>
        <translation>板卡 SIP 選項</translation>
    </message>
    <message>
        <source>Analog Line Options</source>
        <translation>類比線路選項</translation>
    </message>
    <message>
        <source>Digital Phone Options</source>
        <translation>數位話機選項</translation>
    </message>
    <message>
        <source>Board Voice Options</source>
        <translation>板卡語音選項</translation>
    </message>
    <message>
        <source>SS7 Options</source>
        <translation>七號信令選項</translation>
    </message>
    <message>
        <source>TUP Options</source>
        <translation>TUP 選項</translation>
    </message>
    <message>
        <source>ISUP Options</source>
        <translation>ISUP 選項</translation>
    </message>
    <message>
        <source>ISDN Options</source>
        <translation>ISDN 選項</translation>
    </message>
    <message>
        <source>SS1 Options</source>
        <translation>一號信令選項</translation>
    </message>
    <message>
        <source>Spy Options</source>
        <translation>監控選項</translation>
    </message>
    <message>
        <source>SIP Global Options</source>
        <translation>SIP 全域選項</translation>
    </message>
    <message>
        <source>Tone Detector Options</source>
        <translation>信號音偵測選項</translation>
    </message>
    <message>
        <source>FAX Options</source>
        <translation>傳真選項</translation>
    </message>
    <message>
        <source>Global Voice Options</source>
        <translation>全域語音選項</translation>
    </message>
    <message>
        <source>Log Output Options</source>
        <translation>日誌輸出選項</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::AgcDialog</name>
    <message>
        <source>AGC Setting</source>
        <translation>AGC 設定</translation>
    </message>
    <message>
        <source>Maximum gain:</source>
        <translation>最大增益：</translation>
    </message>
    <message>
        <source>Maximum gain for AGC. Range: 1 to 255, default value:255</source>
        <translation>AGC 最大增益。範圍：1 到 255，預設值：255</translation>
    </message>
    <message>
        <source>Minimum gain:</source>
        <translation>最小增益：</translation>
    </message>
    <message>
        <source>Minimum gain for AGC. Range: 1 to 255, default value:6</source>
        <translation>AGC 最小增益。範圍：1 到 255，預設值：6</translation>
    </message>
    <message>
        <source>Maximum level:</source>
        <translation>最大電平：</translation>
    </message>
    <message>
        <source>Maximum output level</source>
        <translation>最大輸出電平</translation>
    </message>
    <message>
        <source>Minimum level:</source>
        <translation>最小電平：</translation>
    </message>
    <message>
        <source>Minimum output level</source>
        <translation>最小輸出電平</translation>
    </message>
    <message>
        <source>Decrease step:</source>
        <translation>減小步長：</translation>
    </message>
    <message>
        <source>Specifies the decrease step of AGC gain. Range: 1-99. Default: 35.</source>
        <translation>AGC 增益減小步長。範圍：1-99。預設：35。</translation>
    </message>
    <message>
        <source>Increase step:</source>
        <translation>增大步長：</translation>
    </message>
    <message>
        <source>Specifies the increase step of AGC gain. Range: 1-99. Default: 1.</source>
        <translation>AGC 增益增大步長。範圍：1-99。預設：1。</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>持續時間：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::AgcUpDownDialog</name>
    <message>
        <source>AGC Setting</source>
        <translation>AGC 設定</translation>
    </message>
    <message>
        <source>Maximum gain:</source>
        <translation>最大增益：</translation>
    </message>
    <message>
        <source>Minimum gain:</source>
        <translation>最小增益：</translation>
    </message>
    <message>
        <source>Maximum level:</source>
        <translation>最大電平：</translation>
    </message>
    <message>
        <source>Minimum level:</source>
        <translation>最小電平：</translation>
    </message>
    <message>
        <source>Decrease step:</source>
        <translation>減小步長：</translation>
    </message>
    <message>
        <source>Increase step:</source>
        <translation>增大步長：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>持續時間：</translation>
    </message>
    <message>
        <source>UpLink</source>
        <translation>上行</translation>
    </message>
    <message>
        <source>DownLink</source>
        <translation>下行</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::AnalogLinePage</name>
    <message>
        <source>User Channel:</source>
        <translation>內線通道：</translation>
    </message>
    <message>
        <source>Automatically sending dial tone:</source>
        <translation>自動送撥號音：</translation>
    </message>
    <message>
        <source>When set to 1, a dial tone will be automatically sent to an user-channel by system.</source>
        <translation>設為 1 時，系統自動向內線通道送撥號音。</translation>
    </message>
    <message>
        <source>StopSendDialTone on receiving DTMF:</source>
        <translation>收到 DTMF 時停送撥號音：</translation>
    </message>
    <message>
        <source>Ring generator working mode:</source>
        <translation>振鈴發生器工作方式：</translation>
    </message>
    <message>
        <source>Specifies the mode for an user-channel to generate a ringing signal. 0(default): a periodic &apos;1 second on and 4 seconds off&apos; ringing signal; 1: the ringing signal keeps high level until the application stops it.</source>
        <translation>內線通道產生振鈴訊號的方式。0（預設）：週期性的&apos;響 1 秒停 4 秒&apos;振鈴訊號；1：振鈴訊號保持高電平，直到應用程式停止。</translation>
    </message>
    <message>
        <source>Hook state filtering time:</source>
        <translation>叉簧狀態濾波時間：</translation>
    </message>
    <message>
        <source>Specifies the filtering time since the phone went on-hook, used to distinguish between a flash and an actual hangup action.</source>
        <translation>話機掛機後的濾波時間，用於區分拍叉和真正掛機。</translation>
    </message>
    <message>
        <source>Enable generating reversed loop current:</source>
        <translation>啟用反極性環路電流：</translation>
    </message>
    <message>
        <source>Analog Record Channel:</source>
        <translation>模擬錄音通道：</translation>
    </message>
    <message>
        <source>Hangup/pickup determining voltage:</source>
        <translation>掛機/摘機判定電壓：</translation>
    </message>
    <message>
        <source>Specifies the determining voltage (in volt) on a record-channel used to distinguish between pickup and hangup. The default value is 26</source>
        <translation>錄音通道區分摘機和掛機的判定電壓（伏）。預設值為 26</translation>
    </message>
    <message>
        <source>Ignore checking line voltage:</source>
        <translation>忽略線路電壓檢測：</translation>
    </message>
    <message>
        <source>Gain control of inputing voice signal:</source>
        <translation>輸入語音訊號增益控制：</translation>
    </message>
    <message>
        <source>Specifies the gain of the input signal on a record-channel line. =0: normal gain; =1: high gain(20dB)</source>
        <translation>錄音通道線路輸入訊號增益。=0：普通增益；=1：高增益（20dB）</translation>
    </message>
    <message>
        <source>Set Analog Channel Become Record Channel</source>
        <translation>將模擬通道設為錄音通道</translation>
    </message>
    <message>
        <source>Analog Trunk Channel:</source>
        <translation>模擬外線通道：</translation>
    </message>
    <message>
        <source>Caller ID Style:</source>
        <translation>來電顯示方式：</translation>
    </message>
    <message>
        <source>Specifies the Caller ID style. 0=DTMF, 1=FSK.</source>
        <translation>來電顯示方式。0=DTMF，1=FSK。</translation>
    </message>
    <message>
        <source>Filter Invalid FSK CallerId</source>
        <translation>過濾無效 FSK 來電號碼</translation>
    </message>
    <message>
        <source>DisablePolarReverse:</source>
        <translation>DisablePolarReverse:</translation>
    </message>
    <message>
        <source>Other Analog Setting:</source>
        <translation>其他模擬設定：</translation>
    </message>
    <message>
        <source>Magnet-module indicator:</source>
        <translation>磁石模組標誌：</translation>
    </message>
    <message>
        <source>When set to 1, a magnetic module is installed instead of an analog module.</source>
        <translation>設為 1 時，安裝的是磁石模組而非模擬模組。</translation>
    </message>
    <message>
        <source>Joint-module indicator:</source>
        <translation>連線模組標誌：</translation>
    </message>
    <message>
        <source>Specifies the initial status of an joint-module. 0=connected, 1= disconnected.</source>
        <translation>連線模組的初始狀態。0=連線，1=斷開。</translation>
    </message>
    <message>
        <source>Enable DTMF detector when idle:</source>
        <translation>空閒時啟用 DTMF 檢測：</translation>
    </message>
    <message>
        <source>When set to 1, the system enables the receiving DTMF function for an user channel even when its state is in idle state. The default value is 0.</source>
        <translation>設為 1 時，內線通道空閒時系統也啟用 DTMF 接收。預設值為 0。</translation>
    </message>
    <message>
        <source>Simple Busy Detector</source>
        <translation>簡易忙音檢測</translation>
    </message>
    <message>
        <source>analyze busy tone in transmission of FSK</source>
        <translation>傳送 FSK 時分析忙音</translation>
    </message>
    <message>
        <source>VoiceEnergyMinValueInFSKRcv</source>
        <translation>VoiceEnergyMinValueInFSKRcv</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::BoardPage</name>
    <message>
        <source>-- Select --</source>
        <translation>-- 請選擇 --</translation>
    </message>
    <message>
        <source>Board Model:</source>
        <translation>板卡型號：</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>序號：</translation>
    </message>
    <message>
        <source>Total Used Ch:</source>
        <translation>使用通道總數：</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Use ChannelBank:</source>
        <translation>用作通道組：</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>介面：</translation>
    </message>
    <message>
        <source>Protocal Type</source>
        <translation>協定類型</translation>
    </message>
    <message>
        <source>DTMF Receive Type</source>
        <translation>DTMF接收方式</translation>
    </message>
    <message>
        <source>DSP work mode:</source>
        <translation>DSP工作模式：</translation>
    </message>
    <message>
        <source>Maximum fax channels:</source>
        <translation>最大傳真通道數：</translation>
    </message>
    <message>
        <source>Compress Dsp Codec:</source>
        <translation>DSP壓縮編碼：</translation>
    </message>
    <message>
        <source>Default Voice Format:</source>
        <translation>預設語音格式：</translation>
    </message>
    <message>
        <source>Enable Tone Detector</source>
        <translation>啟用信號音偵測</translation>
    </message>
    <message>
        <source>Run in Spy Mode</source>
        <translation>以監控模式執行</translation>
    </message>
    <message>
        <source>Always Detect BargeIn</source>
        <translation>始終偵測插話</translation>
    </message>
    <message>
        <source>Always Enable RX Dtmf</source>
        <translation>始終接收DTMF</translation>
    </message>
    <message>
        <source>Spy Sync and Signalling Mode</source>
        <translation>監控同步與信令模式</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::BoardSipPage</name>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Board IP:</source>
        <translation>板卡 IP：</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>本地 IP：</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>子網掩碼：</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>閘道器：</translation>
    </message>
    <message>
        <source>Local Port:</source>
        <translation>本地埠：</translation>
    </message>
    <message>
        <source>RTP Range:</source>
        <translation>RTP 範圍：</translation>
    </message>
    <message>
        <source>Lower and upper RTP port, separated by &apos;,&apos;; 1024-65535</source>
        <translation>RTP 埠下限和上限，以 &apos;,&apos; 分隔；1024-65535</translation>
    </message>
    <message>
        <source>Local URI:</source>
        <translation>本地 URI：</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒體</translation>
    </message>
    <message>
        <source>Send DTMF Type:</source>
        <translation>傳送 DTMF 方式：</translation>
    </message>
    <message>
        <source>Receive DTMF Type:</source>
        <translation>接收 DTMF 方式：</translation>
    </message>
    <message>
        <source>Codec list:</source>
        <translation>編解碼列表：</translation>
    </message>
    <message>
        <source>Enabled codecs by priority (at most three): 6 G.711 A-law, 7 G.711 mu-Law, 131 G.729</source>
        <translation>按優先順序排列的啟用編解碼（最多三個）：6 G.711 A 律，7 G.711 μ 律，131 G.729</translation>
    </message>
    <message>
        <source>Protocol type:</source>
        <translation>協議型別：</translation>
    </message>
    <message>
        <source>Register Server</source>
        <translation>註冊伺服器</translation>
    </message>
    <message>
        <source>Register:</source>
        <translation>註冊：</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>域：</translation>
    </message>
    <message>
        <source>Register expire time:</source>
        <translation>註冊有效期：</translation>
    </message>
    <message>
        <source>Register user name:</source>
        <translation>註冊使用者名稱：</translation>
    </message>
    <message>
        <source>Register user password:</source>
        <translation>註冊密碼：</translation>
    </message>
    <message>
        <source>Realm:</source>
        <translation>認證域：</translation>
    </message>
    <message>
        <source>H323 Setting</source>
        <translation>H323 設定</translation>
    </message>
    <message>
        <source>RFC2833</source>
        <translation>RFC2833</translation>
    </message>
    <message>
        <source>Signaling</source>
        <translation>信令</translation>
    </message>
    <message>
        <source>Inbound</source>
        <translation>帶內</translation>
    </message>
    <message>
        <source>The address of the board&apos;s own network port</source>
        <translation>板卡自身網路埠的位址</translation>
    </message>
    <message>
        <source>The address of this computer that the board uses</source>
        <translation>板卡所用的本機位址</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::BoardVoicePage</name>
    <message>
        <source>Rec&amp;&amp;Play Base Options</source>
        <translation>錄放音基本選項</translation>
    </message>
    <message>
        <source>Playing volume:</source>
        <translation>放音音量：</translation>
    </message>
    <message>
        <source>Specifies the default volume for the playing process. Range: -6 to 6, default: 0.</source>
        <translation>放音預設音量。範圍：-6 到 6，預設：0。</translation>
    </message>
    <message>
        <source>Playing format:</source>
        <translation>放音格式：</translation>
    </message>
    <message>
        <source>Specifies the default CODEC format for the playing process. Range: 6=A-law(default), 7=U-law, 17=IMA ADPCM</source>
        <translation>放音預設編碼格式。範圍：6=A 律（預設），7=μ 律，17=IMA ADPCM</translation>
    </message>
    <message>
        <source>Recording volume:</source>
        <translation>錄音音量：</translation>
    </message>
    <message>
        <source>Recording format:</source>
        <translation>錄音格式：</translation>
    </message>
    <message>
        <source>Mixing volume:</source>
        <translation>混音音量：</translation>
    </message>
    <message>
        <source>Specifies the default mixer volume for the recording process. Range: -7 to 6. Volume -7 means the mixer is disabled.</source>
        <translation>錄音預設混音音量。範圍：-7 到 6。-7 表示關閉混音。</translation>
    </message>
    <message>
        <source>HangUpStopRecord:</source>
        <translation>掛機停止錄音：</translation>
    </message>
    <message>
        <source>HangUpStopPlay:</source>
        <translation>掛機停止放音：</translation>
    </message>
    <message>
        <source>Default Speak Volume</source>
        <translation>預設通話音量</translation>
    </message>
    <message>
        <source>BargeIn Detector</source>
        <translation>插話檢測</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>靈敏度：</translation>
    </message>
    <message>
        <source>Barge-in sensitivity. Range:0-14</source>
        <translation>插話靈敏度。範圍：0-14</translation>
    </message>
    <message>
        <source>Determining time:</source>
        <translation>判定時間：</translation>
    </message>
    <message>
        <source>Barge-in determining time in millisecond. This value must be multiple of 16ms.</source>
        <translation>插話判定時間（毫秒），必須是 16ms 的倍數。</translation>
    </message>
    <message>
        <source>BargeInStopPlay flag:</source>
        <translation>插話停止放音標誌：</translation>
    </message>
    <message>
        <source>Tone Generator</source>
        <translation>訊號音發生</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻率：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>DTMF Generator</source>
        <translation>DTMF 發生</translation>
    </message>
    <message>
        <source>Duration of transmitting DTMF signal:</source>
        <translation>傳送 DTMF 訊號時長：</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Enable echo cancellation:</source>
        <translation>啟用回聲消除：</translation>
    </message>
    <message>
        <source>InVoiceToBus:</source>
        <translation>InVoiceToBus:</translation>
    </message>
    <message>
        <source>In Voice To Bus</source>
        <translation>輸入語音送匯流排</translation>
    </message>
    <message>
        <source>Reset Board On Close</source>
        <translation>關閉時復位板卡</translation>
    </message>
    <message>
        <source>AGC Setting</source>
        <translation>AGC 設定</translation>
    </message>
    <message>
        <source>DTMF Detector</source>
        <translation>DTMF 檢測</translation>
    </message>
    <message>
        <source>DTMFStopPlay indicator:</source>
        <translation>DTMF 停止放音標誌：</translation>
    </message>
    <message>
        <source>Sensitivity of DTMF detector:</source>
        <translation>DTMF 檢測靈敏度：</translation>
    </message>
    <message>
        <source>Specifies the receiving DTMF sensitivity. Range:1-6</source>
        <translation>接收 DTMF 靈敏度。範圍：1-6</translation>
    </message>
    <message>
        <source>Omit A/B/C/D char:</source>
        <translation>忽略 A/B/C/D 字元：</translation>
    </message>
    <message>
        <source>PausePlayOnRxDTMF indicator:</source>
        <translation>收到 DTMF 暫停放音標誌：</translation>
    </message>
    <message>
        <source>Output DTMF on high level:</source>
        <translation>高電平時輸出 DTMF：</translation>
    </message>
    <message>
        <source>Treat DTMF as voice:</source>
        <translation>將 DTMF 視為語音：</translation>
    </message>
    <message>
        <source>DTMFStopPlay char set:</source>
        <translation>DTMF 停止放音字符集：</translation>
    </message>
    <message>
        <source>DTMFStopRecord char set:</source>
        <translation>DTMF 停止錄音字符集：</translation>
    </message>
    <message>
        <source>Minimum determining energy:</source>
        <translation>最小判定能量：</translation>
    </message>
    <message>
        <source>Clear In Voice On RX Dtmf:</source>
        <translation>收到 DTMF 時清除輸入語音：</translation>
    </message>
    <message>
        <source>Ratio of DTMF high-freq energy to low-freq energy:</source>
        <translation>DTMF 高頻與低頻能量之比：</translation>
    </message>
    <message>
        <source>Ratio of DTMF high-freq energy to low-freq energy. valid value : [0, 100], with default value of 10. it is available for 16-channel analog board only. </source>
        <translation>DTMF 高頻能量與低頻能量之比。有效值：[0, 100]，預設值 10。僅適用於 16 路模擬卡。</translation>
    </message>
    <message>
        <source>Ratio of DTMF energy to full-freq energy:</source>
        <translation>DTMF 能量與全頻能量之比：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::CodecListEditor</name>
    <message>
        <source>Available codecs</source>
        <translation>可用編解碼</translation>
    </message>
    <message>
        <source>Enabled codecs</source>
        <translation>已啟用編解碼</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>新增 &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Delete</source>
        <translation>&lt;&lt; 刪除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::DigitalPhonePage</name>
    <message>
        <source>Digital Phone Options</source>
        <translation>數字話機選項</translation>
    </message>
    <message>
        <source>Set Pbx Type</source>
        <translation>設定交換機型別</translation>
    </message>
    <message>
        <source>Set Phone Type</source>
        <translation>設定話機型別</translation>
    </message>
    <message>
        <source>One phone type per channel, separated by &apos;,&apos;</source>
        <translation>每通道一個話機型別，以 &apos;,&apos; 分隔</translation>
    </message>
    <message>
        <source>Rec Raw Mode</source>
        <translation>原始資料錄音</translation>
    </message>
    <message>
        <source>ClockReferenceLine</source>
        <translation>時鐘參考線路</translation>
    </message>
    <message>
        <source>Enable DEvent Filter</source>
        <translation>啟用 D 事件過濾</translation>
    </message>
    <message>
        <source>SetModuleType</source>
        <translation>設定模組型別</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>模組：</translation>
    </message>
    <message>
        <source>ALCATEL</source>
        <translation>ALCATEL</translation>
    </message>
    <message>
        <source>AVAYA</source>
        <translation>AVAYA</translation>
    </message>
    <message>
        <source>SIEMENS</source>
        <translation>SIEMENS</translation>
    </message>
    <message>
        <source>PANASONIC</source>
        <translation>PANASONIC</translation>
    </message>
    <message>
        <source>NEC</source>
        <translation>NEC</translation>
    </message>
    <message>
        <source>ERICSSON</source>
        <translation>ERICSSON</translation>
    </message>
    <message>
        <source>New type:</source>
        <translation>新型別：</translation>
    </message>
    <message>
        <source>Bin Voice Format Support</source>
        <translation>支援 Bin 語音格式</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::FaxPage</name>
    <message>
        <source>FAX Options</source>
        <translation>傳真選項</translation>
    </message>
    <message>
        <source>Select mode:</source>
        <translation>選擇模式：</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>G3</translation>
    </message>
    <message>
        <source>G4</source>
        <translation>G4</translation>
    </message>
    <message>
        <source>Select baudrate:</source>
        <translation>選擇波特率：</translation>
    </message>
    <message>
        <source>4800bps</source>
        <translation>4800bps</translation>
    </message>
    <message>
        <source>9600bps</source>
        <translation>9600bps</translation>
    </message>
    <message>
        <source>14400bps</source>
        <translation>14400bps</translation>
    </message>
    <message>
        <source>33600bps</source>
        <translation>33600bps</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::FskDialog</name>
    <message>
        <source>FSK Send Setting</source>
        <translation>FSK 傳送設定</translation>
    </message>
    <message>
        <source>Carrier frequency for bit 0:</source>
        <translation>位元 0 載波頻率：</translation>
    </message>
    <message>
        <source>Carrier frequency for bit 1:</source>
        <translation>位元 1 載波頻率：</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>modulated amplitude:</source>
        <translation>調製幅度：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::GlobalVoicePage</name>
    <message>
        <source>bytes</source>
        <translation>位元組</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Rec&amp;&amp;Play&amp;&amp;DTMF Buffer Size</source>
        <translation>錄放音和 DTMF 緩衝大小</translation>
    </message>
    <message>
        <source>Play buffer:</source>
        <translation>放音緩衝：</translation>
    </message>
    <message>
        <source>Specifies the size of play-buffer. This value must be multiple of 512</source>
        <translation>放音緩衝大小，必須是 512 的倍數</translation>
    </message>
    <message>
        <source>Record buffer:</source>
        <translation>錄音緩衝：</translation>
    </message>
    <message>
        <source>Specifies the size of record-buffer. This value must be multiple of 512</source>
        <translation>錄音緩衝大小，必須是 512 的倍數</translation>
    </message>
    <message>
        <source>TxDTMF buffer:</source>
        <translation>傳送 DTMF 緩衝：</translation>
    </message>
    <message>
        <source>RcvDTMF buffer:</source>
        <translation>接收 DTMF 緩衝：</translation>
    </message>
    <message>
        <source>Record Channel Pre-recording</source>
        <translation>錄音通道預錄音</translation>
    </message>
    <message>
        <source>Enable Pre-recording</source>
        <translation>啟用預錄音</translation>
    </message>
    <message>
        <source>Startup mode:</source>
        <translation>啟動方式：</translation>
    </message>
    <message>
        <source>StartupOnVoice</source>
        <translation>有聲音時啟動</translation>
    </message>
    <message>
        <source>StartupAlways</source>
        <translation>始終啟動</translation>
    </message>
    <message>
        <source>Pre-record CODEC:</source>
        <translation>預錄音編碼：</translation>
    </message>
    <message>
        <source>A-law</source>
        <translation>A 律</translation>
    </message>
    <message>
        <source>U-law</source>
        <translation>μ 律</translation>
    </message>
    <message>
        <source>IMA ADPCM</source>
        <translation>IMA ADPCM</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Data to insert to file:</source>
        <translation>插入檔案的資料：</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>會議</translation>
    </message>
    <message>
        <source>Maximum Group:</source>
        <translation>最大組數：</translation>
    </message>
    <message>
        <source>Maximum Member:</source>
        <translation>最大成員數：</translation>
    </message>
    <message>
        <source>Maximum Speaking:</source>
        <translation>最大發言數：</translation>
    </message>
    <message>
        <source>MaxActiveTalkerTotal</source>
        <translation>MaxActiveTalkerTotal</translation>
    </message>
    <message>
        <source>Maximum Listener:</source>
        <translation>最大旁聽數：</translation>
    </message>
    <message>
        <source>Schedule on Volume</source>
        <translation>按音量排程</translation>
    </message>
    <message>
        <source>EnablePlayMemberListen</source>
        <translation>放音時成員可聽</translation>
    </message>
    <message>
        <source>AutoDial&amp;Pickup Detect</source>
        <translation>自動撥號和摘機檢測</translation>
    </message>
    <message>
        <source>MaxWaitDialToneTime:</source>
        <translation>MaxWaitDialToneTime:</translation>
    </message>
    <message>
        <source>MaxWaitAutoDialAnsTime:</source>
        <translation>MaxWaitAutoDialAnsTime:</translation>
    </message>
    <message>
        <source>VoiceDetermineTime:</source>
        <translation>VoiceDetermineTime:</translation>
    </message>
    <message>
        <source>WaitAfterDialTime:</source>
        <translation>WaitAfterDialTime:</translation>
    </message>
    <message>
        <source>IsNoSoundDtrmTime:</source>
        <translation>IsNoSoundDtrmTime:</translation>
    </message>
    <message>
        <source>MaxWaitVocAfterEcho:</source>
        <translation>MaxWaitVocAfterEcho:</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>放音列表</translation>
    </message>
    <message>
        <source>Max list of File_Play, range : 0 - 65535, default : 256</source>
        <translation>File_Play 列表上限，範圍：0 - 65535，預設：256</translation>
    </message>
    <message>
        <source>MaxPlayFileList:</source>
        <translation>MaxPlayFileList:</translation>
    </message>
    <message>
        <source>MaxPlayIndexList:</source>
        <translation>MaxPlayIndexList:</translation>
    </message>
    <message>
        <source>Max list of Index_Play, range : 0 - 65535, default : 256</source>
        <translation>Index_Play 列表上限，範圍：0 - 65535，預設：256</translation>
    </message>
    <message>
        <source>MaxPlayMemList:</source>
        <translation>MaxPlayMemList:</translation>
    </message>
    <message>
        <source>Max list of Memory_Play, range : 0 - 65535, default : 256</source>
        <translation>Memory_Play 列表上限，範圍：0 - 65535，預設：256</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>拍叉</translation>
    </message>
    <message>
        <source>denoting a sending flash:</source>
        <translation>表示傳送拍叉的字元：</translation>
    </message>
    <message>
        <source>Duration of sending flash:</source>
        <translation>傳送拍叉時長：</translation>
    </message>
    <message>
        <source>Duration of sending delay:</source>
        <translation>傳送延時時長：</translation>
    </message>
    <message>
        <source>Flash determining time:</source>
        <translation>拍叉判定時間：</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Event output mode:</source>
        <translation>事件輸出模式：</translation>
    </message>
    <message>
        <source>DefaultEventOutput: =0: Not output any events; =1: Only output commonly-used events; =2: Output all of the events
</source>
        <translation>DefaultEventOutput：=0：不輸出任何事件；=1：只輸出常用事件；=2：輸出全部事件
</translation>
    </message>
    <message>
        <source>CT-Bus listening support</source>
        <translation>支援 CT 匯流排監聽</translation>
    </message>
    <message>
        <source>Count for pickup</source>
        <translation>摘機計數</translation>
    </message>
    <message>
        <source>MaxRingEndDtrTime:</source>
        <translation>MaxRingEndDtrTime:</translation>
    </message>
    <message>
        <source>FSK Send</source>
        <translation>FSK 傳送</translation>
    </message>
    <message>
        <source>Analog Line CID&amp;&amp;Vol&amp;&amp;Ring</source>
        <translation>模擬線來電顯示&amp;&amp;音量&amp;&amp;振鈴</translation>
    </message>
    <message>
        <source>AutoClearCallerIdBufferOnHangUp</source>
        <translation>掛機時自動清除來電號碼緩衝</translation>
    </message>
    <message>
        <source>Enable detecting pulse key</source>
        <translation>啟用脈衝按鍵檢測</translation>
    </message>
    <message>
        <source>Use mini-size record/play buffer</source>
        <translation>使用小錄放音緩衝</translation>
    </message>
    <message>
        <source>Detect answer by relative energy</source>
        <translation>按相對能量檢測應答</translation>
    </message>
    <message>
        <source>Close Caller ID On Rcv CID</source>
        <translation>收到來電號碼後關閉來電顯示</translation>
    </message>
    <message>
        <source>DtmfCallerIDInterTimeout</source>
        <translation>DtmfCallerIDInterTimeout</translation>
    </message>
    <message>
        <source>Fast Play Time:</source>
        <translation>快放時間：</translation>
    </message>
    <message>
        <source>DetectRingFilterPara:</source>
        <translation>DetectRingFilterPara:</translation>
    </message>
    <message>
        <source>Ring high-level count and low-level count, separated by a comma</source>
        <translation>振鈴高電平計數和低電平計數，以逗號分隔</translation>
    </message>
    <message>
        <source>Off Line Set:</source>
        <translation>斷線設定：</translation>
    </message>
    <message>
        <source>TruncateTailOnRecToFile:</source>
        <translation>TruncateTailOnRecToFile:</translation>
    </message>
    <message>
        <source>RecChClearRingDelayTime:</source>
        <translation>RecChClearRingDelayTime:</translation>
    </message>
    <message>
        <source>After</source>
        <translation>振鈴</translation>
    </message>
    <message>
        <source>rings to ringing state</source>
        <translation>次振鈴後進入振鈴狀態</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::H323Dialog</name>
    <message>
        <source>H323 Setting</source>
        <translation>H323 設定</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsdnLinkDialog</name>
    <message>
        <source>ISDN Link</source>
        <translation>ISDN 鏈路</translation>
    </message>
    <message>
        <source>User side</source>
        <translation>使用者側</translation>
    </message>
    <message>
        <source>Net side</source>
        <translation>網路側</translation>
    </message>
    <message>
        <source>Link No.:</source>
        <translation>鏈路號：</translation>
    </message>
    <message>
        <source>The link&apos;s PCM: its number in the PCM list</source>
        <translation>鏈路所在的 PCM：它在 PCM 清單中的序號</translation>
    </message>
    <message>
        <source>Local PCM No.:</source>
        <translation>本地 PCM 號：</translation>
    </message>
    <message>
        <source>The PCM on its board</source>
        <translation>該 PCM 在其板卡上的序號</translation>
    </message>
    <message>
        <source>TEI value:</source>
        <translation>TEI 值：</translation>
    </message>
    <message>
        <source>0 - 127</source>
        <translation>0 - 127</translation>
    </message>
    <message>
        <source>CRC mode</source>
        <translation>CRC 校驗</translation>
    </message>
    <message>
        <source>Channel ID:</source>
        <translation>通道識別：</translation>
    </message>
    <message>
        <source>Hexadecimal, such as 0x10</source>
        <translation>十六進位，如 0x10</translation>
    </message>
    <message>
        <source>CalledNoSet:</source>
        <translation>被叫號碼類型：</translation>
    </message>
    <message>
        <source>National(0XA1)</source>
        <translation>國內(0XA1)</translation>
    </message>
    <message>
        <source>International(0X91)</source>
        <translation>國際(0X91)</translation>
    </message>
    <message>
        <source>NetSpecific(0XB1)</source>
        <translation>網路特定(0XB1)</translation>
    </message>
    <message>
        <source>Subscriber(0XC1)</source>
        <translation>用戶(0XC1)</translation>
    </message>
    <message>
        <source>UnKnown(0X01)</source>
        <translation>未知(0X01)</translation>
    </message>
    <message>
        <source>Unknown(0X81)</source>
        <translation>未知(0X81)</translation>
    </message>
    <message>
        <source>CallingNoSet:</source>
        <translation>主叫號碼類型：</translation>
    </message>
    <message>
        <source>National(0X21)</source>
        <translation>國內(0X21)</translation>
    </message>
    <message>
        <source>International(0X11)</source>
        <translation>國際(0X11)</translation>
    </message>
    <message>
        <source>NetSpecific(0X31)</source>
        <translation>網路特定(0X31)</translation>
    </message>
    <message>
        <source>Subscriber(0X41)</source>
        <translation>用戶(0X41)</translation>
    </message>
    <message>
        <source>SpeechCode</source>
        <translation>語音編碼</translation>
    </message>
    <message>
        <source>A-law</source>
        <translation>A 律</translation>
    </message>
    <message>
        <source>u-law</source>
        <translation>μ 律</translation>
    </message>
    <message>
        <source>Link No., Local PCM No. and TEI value must be numbers!</source>
        <translation>鏈路號、本地 PCM 號和 TEI 值必須是數字！</translation>
    </message>
    <message>
        <source>Link No. must between 0~%1</source>
        <translation>鏈路號必須在 0~%1 之間</translation>
    </message>
    <message>
        <source>TEI value must between 0~%1</source>
        <translation>TEI 值必須在 0~%1 之間</translation>
    </message>
    <message>
        <source>Channel ID must be a number from 0x00 to 0xff, such as 0x10</source>
        <translation>通道識別必須是 0x00 到 0xff 之間的數，如 0x10</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsdnLinkList</name>
    <message>
        <source>Link No.</source>
        <translation>鏈路號</translation>
    </message>
    <message>
        <source>Local PCM</source>
        <translation>本地 PCM</translation>
    </message>
    <message>
        <source>TEI</source>
        <translation>TEI</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Total links on user-side:%1</source>
        <translation>使用者側鏈路總數：%1</translation>
    </message>
    <message>
        <source>Total links on net-side:%1</source>
        <translation>網路側鏈路總數：%1</translation>
    </message>
    <message>
        <source>A side holds at most %1 links!</source>
        <translation>每側最多 %1 條鏈路！</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsdnPage</name>
    <message>
        <source>ISDN Options</source>
        <translation>ISDN 選項</translation>
    </message>
    <message>
        <source>TransferCapability:</source>
        <translation>傳輸能力：</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>語音</translation>
    </message>
    <message>
        <source>3.1k Audio</source>
        <translation>3.1k 音訊</translation>
    </message>
    <message>
        <source>Phone Number Rules</source>
        <translation>號碼規則</translation>
    </message>
    <message>
        <source>ISDN Links</source>
        <translation>ISDN 鏈路</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsupPage</name>
    <message>
        <source>ISUP Options</source>
        <translation>ISUP 選項</translation>
    </message>
    <message>
        <source>IsupPcm</source>
        <translation>IsupPcm</translation>
    </message>
    <message>
        <source>LocalPcm</source>
        <translation>LocalPcm</translation>
    </message>
    <message>
        <source>IsupPcm:</source>
        <translation>IsupPcm:</translation>
    </message>
    <message>
        <source>LocalPcm:</source>
        <translation>LocalPcm:</translation>
    </message>
    <message>
        <source>ISUP PCM List</source>
        <translation>ISUP PCM 列表</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::KtCtiConfigDlg</name>
    <message>
        <source>Whether hide the dialog when restart this procedure</source>
        <translation>再次啟動本程式時隱藏對話框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>INI FILE...</source>
        <translation>INI檔案...</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>偵測</translation>
    </message>
    <message>
        <source>About KtCtiConfig(&amp;A)...</source>
        <translation>關於 KtCtiConfig(&amp;A)...</translation>
    </message>
    <message>
        <source>About KtCtiConfig</source>
        <translation>關於 KtCtiConfig</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Show(&amp;S)</source>
        <translation>顯示(&amp;S)</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>INI Files (*.ini)</source>
        <translation>INI檔案 (*.ini)</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::ListEditor</name>
    <message>
        <source>Prefix</source>
        <translation>字首</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Requires Caller ID</source>
        <translation>需要主叫號碼</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>字首：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長度：</translation>
    </message>
    <message>
        <source>Requires caller ID</source>
        <translation>需要主叫號碼</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::LiveLogDialog</name>
    <message>
        <source>Not output info</source>
        <translation>不輸出資訊</translation>
    </message>
    <message>
        <source>Output to LOG file</source>
        <translation>輸出到日誌檔案</translation>
    </message>
    <message>
        <source>Output to DebugView</source>
        <translation>輸出到 DebugView</translation>
    </message>
    <message>
        <source>Not output debugging information</source>
        <translation>不輸出除錯資訊</translation>
    </message>
    <message>
        <source>Output API info to DebugView</source>
        <translation>輸出 API 資訊到 DebugView</translation>
    </message>
    <message>
        <source>Output API info to the LOG file</source>
        <translation>輸出 API 資訊到日誌檔案</translation>
    </message>
    <message>
        <source>Output event info to the LOG file</source>
        <translation>輸出事件資訊到日誌檔案</translation>
    </message>
    <message>
        <source>both API and event info to LOG file</source>
        <translation>API 和事件資訊都輸出到日誌檔案</translation>
    </message>
    <message>
        <source>both API and event info to DebugView</source>
        <translation>API 和事件資訊都輸出到 DebugView</translation>
    </message>
    <message>
        <source>Output to PCAPLOG</source>
        <translation>輸出到 PCAPLOG</translation>
    </message>
    <message>
        <source>Output All Channel info to one log</source>
        <translation>所有通道資訊輸出到一個日誌</translation>
    </message>
    <message>
        <source>Create log by channel</source>
        <translation>按通道生成日誌</translation>
    </message>
    <message>
        <source>Set log switch actively</source>
        <translation>動態設定日誌開關</translation>
    </message>
    <message>
        <source>Set Log switch actively</source>
        <translation>動態設定日誌開關</translation>
    </message>
    <message>
        <source>API Log</source>
        <translation>API 日誌</translation>
    </message>
    <message>
        <source>Ss1 Log</source>
        <translation>一號信令日誌</translation>
    </message>
    <message>
        <source>ISDN log</source>
        <translation>ISDN 日誌</translation>
    </message>
    <message>
        <source>Ss7 Spy Log</source>
        <translation>七號信令監聽日誌</translation>
    </message>
    <message>
        <source>Ss1 Spy Log</source>
        <translation>一號信令監聽日誌</translation>
    </message>
    <message>
        <source>ISDN Spy Log</source>
        <translation>ISDN 監聽日誌</translation>
    </message>
    <message>
        <source>System Runinfo log</source>
        <translation>系統執行資訊日誌</translation>
    </message>
    <message>
        <source>DST CAS Log</source>
        <translation>DST CAS 日誌</translation>
    </message>
    <message>
        <source>LogType</source>
        <translation>日誌型別</translation>
    </message>
    <message>
        <source>LogEnable</source>
        <translation>日誌開關</translation>
    </message>
    <message>
        <source>LogCreateMode</source>
        <translation>日誌生成方式</translation>
    </message>
    <message>
        <source>Set log limit parameters</source>
        <translation>設定日誌限制引數</translation>
    </message>
    <message>
        <source>Create log period</source>
        <translation>日誌生成周期</translation>
    </message>
    <message>
        <source>Max keep of latest log file</source>
        <translation>最近日誌檔案最多保留數</translation>
    </message>
    <message>
        <source>Max limit period</source>
        <translation>最長保留週期</translation>
    </message>
    <message>
        <source>Log file path</source>
        <translation>日誌檔案路徑</translation>
    </message>
    <message>
        <source>Set Api log limit parameters</source>
        <translation>設定 API 日誌限制引數</translation>
    </message>
    <message>
        <source>Channel start</source>
        <translation>起始通道</translation>
    </message>
    <message>
        <source>Channel end</source>
        <translation>結束通道</translation>
    </message>
    <message>
        <source>Event start</source>
        <translation>起始事件</translation>
    </message>
    <message>
        <source>Event end</source>
        <translation>結束事件</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::LogOutputPage</name>
    <message>
        <source>Log creation mode:</source>
        <translation>日誌生成方式：</translation>
    </message>
    <message>
        <source>API Log</source>
        <translation>API 日誌</translation>
    </message>
    <message>
        <source>Output API debugging information</source>
        <translation>輸出 API 除錯資訊</translation>
    </message>
    <message>
        <source>&quot;-1..-1&quot; means all of them; a range such as 10..20 limits the output to those numbers</source>
        <translation>&quot;-1..-1&quot; 表示全部；如 10..20 的範圍只輸出這些編號</translation>
    </message>
    <message>
        <source>Event Range</source>
        <translation>事件範圍</translation>
    </message>
    <message>
        <source>Channel Range</source>
        <translation>通道範圍</translation>
    </message>
    <message>
        <source>Signalling Logs</source>
        <translation>信令日誌</translation>
    </message>
    <message>
        <source>Output Ss1 log</source>
        <translation>輸出一號信令日誌</translation>
    </message>
    <message>
        <source>Output Ss1 spy log</source>
        <translation>輸出一號信令監聽日誌</translation>
    </message>
    <message>
        <source>Output ISDN Message</source>
        <translation>輸出 ISDN 訊息</translation>
    </message>
    <message>
        <source>Decode user side Msg</source>
        <translation>解碼使用者側訊息</translation>
    </message>
    <message>
        <source>Output ISDN spy log</source>
        <translation>輸出 ISDN 監聽日誌</translation>
    </message>
    <message>
        <source>Output Ss7 spy log</source>
        <translation>輸出七號信令監聽日誌</translation>
    </message>
    <message>
        <source>Other Logs</source>
        <translation>其他日誌</translation>
    </message>
    <message>
        <source>Output System Status log</source>
        <translation>輸出系統狀態日誌</translation>
    </message>
    <message>
        <source>Output DST CAS Log</source>
        <translation>輸出 DST CAS 日誌</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>日誌檔案</translation>
    </message>
    <message>
        <source>Create log period</source>
        <translation>日誌生成周期</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Max keep of latest log file</source>
        <translation>最近日誌檔案最多保留數</translation>
    </message>
    <message>
        <source>Max limit period</source>
        <translation>最長保留週期</translation>
    </message>
    <message>
        <source>Log file path</source>
        <translation>日誌檔案路徑</translation>
    </message>
    <message>
        <source>Wheather overwrite log file when restart progress</source>
        <translation>重啟程序時是否覆蓋日誌檔案</translation>
    </message>
    <message>
        <source>Create Dump File When Crash</source>
        <translation>崩潰時生成轉儲檔案</translation>
    </message>
    <message>
        <source>Set log switch actively</source>
        <translation>動態設定日誌開關</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::PcmListPage</name>
    <message>
        <source>U-side</source>
        <translation>使用者側</translation>
    </message>
    <message>
        <source>SS1</source>
        <translation>一號信令</translation>
    </message>
    <message>
        <source>N-side</source>
        <translation>網路側</translation>
    </message>
    <message>
        <source>SS7-TUP</source>
        <translation>SS7-TUP</translation>
    </message>
    <message>
        <source>LineSyncMaster</source>
        <translation>線路同步主時鐘</translation>
    </message>
    <message>
        <source>FreeMaster</source>
        <translation>FreeMaster</translation>
    </message>
    <message>
        <source>SlaveClock</source>
        <translation>從時鐘</translation>
    </message>
    <message>
        <source>twisted pair</source>
        <translation>雙絞線</translation>
    </message>
    <message>
        <source>coaxial line</source>
        <translation>同軸線</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signaling</source>
        <translation>信令</translation>
    </message>
    <message>
        <source>LinkType</source>
        <translation>鏈路型別</translation>
    </message>
    <message>
        <source>ClockMode</source>
        <translation>時鐘模式</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>CallInTS,Num</source>
        <translation>呼入時隙,數目</translation>
    </message>
    <message>
        <source>AutoCall</source>
        <translation>自動呼叫</translation>
    </message>
    <message>
        <source>E1</source>
        <translation>E1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::PcmPage</name>
    <message>
        <source>PCM</source>
        <translation>PCM</translation>
    </message>
    <message>
        <source>EnableAutoCall</source>
        <translation>啟用自動呼叫</translation>
    </message>
    <message>
        <source>UseTS16AsSSx</source>
        <translation>UseTS16AsSSx</translation>
    </message>
    <message>
        <source>SSX:</source>
        <translation>信令：</translation>
    </message>
    <message>
        <source>Clock module:</source>
        <translation>時鐘模式：</translation>
    </message>
    <message>
        <source>Link module:</source>
        <translation>鏈路模式：</translation>
    </message>
    <message>
        <source>CallInTS:</source>
        <translation>呼入時隙：</translation>
    </message>
    <message>
        <source>CallInTS count:</source>
        <translation>呼入時隙數：</translation>
    </message>
    <message>
        <source>Signaling TS</source>
        <translation>信令時隙</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>應用到全部</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::SipGlobalPage</name>
    <message>
        <source>SIP Global Options</source>
        <translation>SIP 全域性選項</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::SpyPage</name>
    <message>
        <source>Spy Options</source>
        <translation>監聽選項</translation>
    </message>
    <message>
        <source>Local Pcm1,Pcm2</source>
        <translation>本地 Pcm1,Pcm2</translation>
    </message>
    <message>
        <source>SpyPcmNum[Voc]</source>
        <translation>SpyPcmNum[Voc]</translation>
    </message>
    <message>
        <source>SpiedCircuitPcmNum,StartNumForCircuit,EndNumForCircuit</source>
        <translation>SpiedCircuitPcmNum,StartNumForCircuit,EndNumForCircuit</translation>
    </message>
    <message>
        <source>SpiedCircuitPcmNum</source>
        <translation>SpiedCircuitPcmNum</translation>
    </message>
    <message>
        <source>SpyLinkSet</source>
        <translation>SpyLinkSet</translation>
    </message>
    <message>
        <source>SpyLinkPcm</source>
        <translation>SpyLinkPcm</translation>
    </message>
    <message>
        <source>SpyLinkSet:</source>
        <translation>SpyLinkSet:</translation>
    </message>
    <message>
        <source>SpyLinkPcm:</source>
        <translation>SpyLinkPcm:</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::Ss1Page</name>
    <message>
        <source>Signalling Control</source>
        <translation>信令控制</translation>
    </message>
    <message>
        <source>Signalling control type:</source>
        <translation>信令控制型別：</translation>
    </message>
    <message>
        <source>No.1 (MFC R2) signalling</source>
        <translation>中國一號 (MFC R2) 信令</translation>
    </message>
    <message>
        <source>LineSide</source>
        <translation>線路側</translation>
    </message>
    <message>
        <source>ASB</source>
        <translation>ASB</translation>
    </message>
    <message>
        <source>LineSide (OPS-FX)</source>
        <translation>線路側 (OPS-FX)</translation>
    </message>
    <message>
        <source>VPS</source>
        <translation>VPS</translation>
    </message>
    <message>
        <source>LSWaitPickupTime (ms, 16-10000):</source>
        <translation>LSWaitPickupTime（毫秒，16-10000）：</translation>
    </message>
    <message>
        <source>Channel idle indication:</source>
        <translation>通道空閒指示：</translation>
    </message>
    <message>
        <source>CAS 00xx</source>
        <translation>CAS 00xx</translation>
    </message>
    <message>
        <source>CAS 01xx</source>
        <translation>CAS 01xx</translation>
    </message>
    <message>
        <source>CAS CD01</source>
        <translation>CAS CD01</translation>
    </message>
    <message>
        <source>SS1 Options</source>
        <translation>一號信令選項</translation>
    </message>
    <message>
        <source>Phone Number Rules</source>
        <translation>號碼規則</translation>
    </message>
    <message>
        <source>MFC R2 protocol:</source>
        <translation>MFC R2 協議：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::Ss7Page</name>
    <message>
        <source>SS7 Options</source>
        <translation>七號信令選項</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::SystemPage</name>
    <message>
        <source>Load soft play&amp;&amp;rec codec</source>
        <translation>載入軟體放音錄音編解碼</translation>
    </message>
    <message>
        <source>MultiBoardMultiProcessSupport</source>
        <translation>支援多板卡多行程</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>Board Model</source>
        <translation>板卡型號</translation>
    </message>
    <message>
        <source>Board Serial No.</source>
        <translation>板卡序號</translation>
    </message>
    <message>
        <source>Used Ch</source>
        <translation>使用通道</translation>
    </message>
    <message>
        <source>Total boards:</source>
        <translation>板卡總數：</translation>
    </message>
    <message>
        <source>Board to supply clock:</source>
        <translation>提供時脈的板卡：</translation>
    </message>
    <message>
        <source>Total Used AppCh:</source>
        <translation>應用通道總數：</translation>
    </message>
    <message>
        <source>Event Interface:</source>
        <translation>事件介面：</translation>
    </message>
    <message>
        <source>Add Board</source>
        <translation>新增板卡</translation>
    </message>
    <message>
        <source>Modify Board</source>
        <translation>修改板卡</translation>
    </message>
    <message>
        <source>Delete Board</source>
        <translation>刪除板卡</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>交換</translation>
    </message>
    <message>
        <source>Boards Setting</source>
        <translation>板卡設定</translation>
    </message>
    <message>
        <source>-- Select --</source>
        <translation>-- 請選擇 --</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>請輸入 %1 到 %2 之間的整數。</translation>
    </message>
    <message>
        <source>The board list holds at most %1 boards!</source>
        <translation>板卡列表最多容納 %1 塊板卡！</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::ToneDetectorPage</name>
    <message>
        <source>Specifies the period of busy tone in millisecond, used to detect busy tone. Maximum 4 periods can be specified, periods should be separated by &apos;,&apos; when more than one are to be specified. Range:200-2000. Default: 700ms.</source>
        <translation>忙音週期（毫秒），用於檢測忙音。最多可指定 4 個週期，多個週期以 &apos;,&apos; 分隔。範圍：200-2000。預設：700ms。</translation>
    </message>
    <message>
        <source>Whether to detect self-defined tone. 0--not to detect. 1--to detect continuous tone (similar to DialTone); 2--to detect periodic tone (similar to RingBackTone)</source>
        <translation>是否檢測自定義訊號音。0--不檢測；1--檢測連續音（類似撥號音）；2--檢測週期音（類似回鈴音）</translation>
    </message>
    <message>
        <source>Original Tone Detector</source>
        <translation>原始訊號音檢測</translation>
    </message>
    <message>
        <source>Second Tone Detector</source>
        <translation>第二訊號音檢測</translation>
    </message>
    <message>
        <source>Tone parameters:</source>
        <translation>訊號音引數：</translation>
    </message>
    <message>
        <source>IsDialToneDetermineTime:</source>
        <translation>IsDialToneDetermineTime:</translation>
    </message>
    <message>
        <source>Period of busy tone:</source>
        <translation>忙音週期：</translation>
    </message>
    <message>
        <source>IsBusyToneDetermineCount:</source>
        <translation>IsBusyToneDetermineCount:</translation>
    </message>
    <message>
        <source>RingEchoToneParameters:</source>
        <translation>RingEchoToneParameters:</translation>
    </message>
    <message>
        <source>DetectSwitch:</source>
        <translation>檢測開關：</translation>
    </message>
    <message>
        <source>DetermineTime:</source>
        <translation>判定時間：</translation>
    </message>
    <message>
        <source>HighAndLowLevelDuration:</source>
        <translation>高低電平持續時間：</translation>
    </message>
    <message>
        <source>DeterminePeriodCount:</source>
        <translation>判定週期數：</translation>
    </message>
    <message>
        <source>Self-defined tone param:</source>
        <translation>自定義訊號音引數：</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>NoVoiceDtrmTime</source>
        <translation>NoVoiceDtrmTime</translation>
    </message>
    <message>
        <source>Area Select:</source>
        <translation>地區選擇：</translation>
    </message>
    <message>
        <source>Check Second Tone On Auto Dial</source>
        <translation>自動撥號時檢測第二訊號音</translation>
    </message>
    <message>
        <source>F1VoiceFreqPara:</source>
        <translation>F1VoiceFreqPara:</translation>
    </message>
    <message>
        <source>F2VoiceFreqPara:</source>
        <translation>F2VoiceFreqPara:</translation>
    </message>
    <message>
        <source>MinVoiceDetermineEnergy:</source>
        <translation>MinVoiceDetermineEnergy:</translation>
    </message>
    <message>
        <source>MaxBusyToneOffTime:</source>
        <translation>MaxBusyToneOffTime:</translation>
    </message>
    <message>
        <source>Enhanced Tone Detector</source>
        <translation>增強型訊號音檢測</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Total items:%1</source>
        <translation>專案總數：%1</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::ToneItemDialog</name>
    <message>
        <source>Set tone parameters</source>
        <translation>設定訊號音引數</translation>
    </message>
    <message>
        <source>Continuous Tone</source>
        <translation>連續音</translation>
    </message>
    <message>
        <source>Periodoc Tone</source>
        <translation>週期音</translation>
    </message>
    <message>
        <source>SIT Tone</source>
        <translation>SIT 音</translation>
    </message>
    <message>
        <source>Tone Mode:</source>
        <translation>訊號音模式：</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>High Filter Count:</source>
        <translation>高電平濾波計數：</translation>
    </message>
    <message>
        <source>Low Filter Count:</source>
        <translation>低電平濾波計數：</translation>
    </message>
    <message>
        <source>Freq Err:</source>
        <translation>頻率誤差：</translation>
    </message>
    <message>
        <source>Band ratio:</source>
        <translation>帶內能量比：</translation>
    </message>
    <message>
        <source>Level Err:</source>
        <translation>電平誤差：</translation>
    </message>
    <message>
        <source>Level Determine</source>
        <translation>電平判定</translation>
    </message>
    <message>
        <source>Error Determine</source>
        <translation>誤差判定</translation>
    </message>
    <message>
        <source>Period Determine Mode:</source>
        <translation>週期判定方式：</translation>
    </message>
    <message>
        <source>Need Period Count:</source>
        <translation>所需週期數：</translation>
    </message>
    <message>
        <source>Period Time:</source>
        <translation>週期時間：</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>撥號音</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙音</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>回鈴音</translation>
    </message>
    <message>
        <source>FAX F1</source>
        <translation>傳真 F1</translation>
    </message>
    <message>
        <source>FAX F2</source>
        <translation>傳真 F2</translation>
    </message>
    <message>
        <source>Appointed</source>
        <translation>自定義</translation>
    </message>
    <message>
        <source>Tone Type:</source>
        <translation>訊號音型別：</translation>
    </message>
    <message>
        <source>User Define Type:</source>
        <translation>自定義型別：</translation>
    </message>
    <message>
        <source>FFT Analyze</source>
        <translation>FFT 分析</translation>
    </message>
    <message>
        <source>Recv FSK</source>
        <translation>接收 FSK</translation>
    </message>
    <message>
        <source>Work Condition:</source>
        <translation>工作條件：</translation>
    </message>
    <message>
        <source>Stop after Tetected:</source>
        <translation>檢測到後停止：</translation>
    </message>
    <message>
        <source>Pop Event to Driver Status:</source>
        <translation>事件上報驅動狀態：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::TupPage</name>
    <message>
        <source>TUP Options</source>
        <translation>TUP 選項</translation>
    </message>
</context>
</TS>
