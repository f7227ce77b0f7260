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
</TS>
