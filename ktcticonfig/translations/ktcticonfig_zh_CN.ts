<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Messages</name>
    <message>
        <source>Welcome to use KtCtiCogfig.exe！</source>
        <translation>欢迎使用 KtCtiConfig.exe！</translation>
    </message>
    <message>
        <source>Applying..., please wait for a moment !</source>
        <translation>正在应用配置，请稍候！</translation>
    </message>
    <message>
        <source>Error found in current configuration!</source>
        <translation>当前配置有错误！</translation>
    </message>
    <message>
        <source>Current configuration succeeds!</source>
        <translation>当前配置成功！</translation>
    </message>
    <message>
        <source>ip card register successed!</source>
        <translation>IP板卡注册成功！</translation>
    </message>
    <message>
        <source>Error: board ID supplying system clock must be less than or equal to the total number of boards!</source>
        <translation>错误：提供系统时钟的板卡号必须小于或等于板卡总数！</translation>
    </message>
    <message>
        <source>MaxWaitDialToneTime should between 0s and 30s!!</source>
        <translation>MaxWaitDialToneTime 应在 0 秒到 30 秒之间！</translation>
    </message>
    <message>
        <source>WaitAfterDialTime should between 16ms and 60000ms!!</source>
        <translation>WaitAfterDialTime 应在 16 毫秒到 60000 毫秒之间！</translation>
    </message>
    <message>
        <source>Current options has been changed,do you want save them?
<byte value="xd"/>select &quot;Yes&quot; to save changes;select &quot;No&quot; to discard changes;select &quot;Cancel&quot; to return modify page.</source>
        <translation>当前选项已修改，是否保存？
选择“是”保存修改；选择“否”放弃修改；选择“取消”返回修改页面。</translation>
    </message>
    <message>
        <source>Loadlibrary KTDRV.dll error!</source>
        <translation>加载驱动库 KTDRV 失败！</translation>
    </message>
    <message>
        <source>KTDRV.dll GetProcAddress error!</source>
        <translation>驱动库 KTDRV 缺少所需函数！</translation>
    </message>
    <message>
        <source>KtCtiConfig has already loaded!</source>
        <translation>KtCtiConfig 已经在运行！</translation>
    </message>
    <message>
        <source>CreateCfgFileMap Failed!</source>
        <translation>创建共享配置内存失败！</translation>
    </message>
    <message>
        <source>CreateCfgEvent Failed!</source>
        <translation>创建配置事件失败！</translation>
    </message>
    <message>
        <source>Error: Fail to write the value of HKEY_CURRENT_USER\Software\KtCtiConfig\HideKtCtiConfigDlg in regist</source>
        <translation>错误：无法保存设置 HideKtCtiConfigDlg！</translation>
    </message>
    <message>
        <source>Select the board to be deleted</source>
        <translation>请选择要删除的板卡</translation>
    </message>
    <message>
        <source>This is the last one board! </source>
        <translation>这是最后一块板卡！</translation>
    </message>
    <message>
        <source>Select the boards to be exchanged</source>
        <translation>请选择要交换的两块板卡</translation>
    </message>
    <message>
        <source>Select the board to be modified</source>
        <translation>请选择要修改的板卡</translation>
    </message>
    <message>
        <source>Error: PCI board not found! Please check if the boards has been correctly installed.</source>
        <translation>错误：未找到板卡！请检查板卡是否正确安装。</translation>
    </message>
    <message>
        <source>Read KtConfigFile error!</source>
        <translation>读取 KtConfig.ini 出错！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The PCI 2-E1/T1 and 4-E1/T1 monitoring boards do not support the hardware MP3 codec; the series 2 ISDN trunk boards do.</source>
        <translation>PCI 2-E1/T1 和 4-E1/T1 监控板不支持硬件 MP3 编码；第二代 ISDN 数字中继板支持。</translation>
    </message>
</context>
<context>
    <name>PageTree</name>
    <message>
        <source>Boards Setting</source>
        <translation>板卡设置</translation>
    </message>
    <message>
        <source>PCM Options</source>
        <translation>PCM 选项</translation>
    </message>
    <message>
        <source>Board SIP Options</source>
        <translation>板卡 SIP 选项</translation>
    </message>
    <message>
        <source>Analog Line Options</source>
        <translation>模拟线路选项</translation>
    </message>
    <message>
        <source>Digital Phone Options</source>
        <translation>数字话机选项</translation>
    </message>
    <message>
        <source>Board Voice Options</source>
        <translation>板卡语音选项</translation>
    </message>
    <message>
        <source>SS7 Options</source>
        <translation>七号信令选项</translation>
    </message>
    <message>
        <source>TUP Options</source>
        <translation>TUP 选项</translation>
    </message>
    <message>
        <source>ISUP Options</source>
        <translation>ISUP 选项</translation>
    </message>
    <message>
        <source>ISDN Options</source>
        <translation>ISDN 选项</translation>
    </message>
    <message>
        <source>SS1 Options</source>
        <translation>一号信令选项</translation>
    </message>
    <message>
        <source>Spy Options</source>
        <translation>监控选项</translation>
    </message>
    <message>
        <source>SIP Global Options</source>
        <translation>SIP 全局选项</translation>
    </message>
    <message>
        <source>Tone Detector Options</source>
        <translation>信号音检测选项</translation>
    </message>
    <message>
        <source>FAX Options</source>
        <translation>传真选项</translation>
    </message>
    <message>
        <source>Global Voice Options</source>
        <translation>全局语音选项</translation>
    </message>
    <message>
        <source>Log Output Options</source>
        <translation>日志输出选项</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::BoardPage</name>
    <message>
        <source>-- Select --</source>
        <translation>-- 请选择 --</translation>
    </message>
    <message>
        <source>Board Model:</source>
        <translation>板卡型号：</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Total Used Ch:</source>
        <translation>使用通道总数：</translation>
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
        <translation>用作通道组：</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>接口：</translation>
    </message>
    <message>
        <source>Protocal Type</source>
        <translation>协议类型</translation>
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
        <translation>最大传真通道数：</translation>
    </message>
    <message>
        <source>Compress Dsp Codec:</source>
        <translation>DSP压缩编码：</translation>
    </message>
    <message>
        <source>Default Voice Format:</source>
        <translation>默认语音格式：</translation>
    </message>
    <message>
        <source>Enable Tone Detector</source>
        <translation>启用信号音检测</translation>
    </message>
    <message>
        <source>Run in Spy Mode</source>
        <translation>以监控模式运行</translation>
    </message>
    <message>
        <source>Always Detect BargeIn</source>
        <translation>始终检测插话</translation>
    </message>
    <message>
        <source>Always Enable RX Dtmf</source>
        <translation>始终接收DTMF</translation>
    </message>
    <message>
        <source>Spy Sync and Signalling Mode</source>
        <translation>监控同步与信令模式</translation>
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
        <translation>再次启动本程序时隐藏对话框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>INI FILE...</source>
        <translation>INI文件...</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>检测</translation>
    </message>
    <message>
        <source>About KtCtiConfig(&amp;A)...</source>
        <translation>关于 KtCtiConfig(&amp;A)...</translation>
    </message>
    <message>
        <source>About KtCtiConfig</source>
        <translation>关于 KtCtiConfig</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Show(&amp;S)</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>INI Files (*.ini)</source>
        <translation>INI文件 (*.ini)</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::SystemPage</name>
    <message>
        <source>Load soft play&amp;&amp;rec codec</source>
        <translation>加载软件放音录音编解码</translation>
    </message>
    <message>
        <source>MultiBoardMultiProcessSupport</source>
        <translation>支持多板卡多进程</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Board Model</source>
        <translation>板卡型号</translation>
    </message>
    <message>
        <source>Board Serial No.</source>
        <translation>板卡序列号</translation>
    </message>
    <message>
        <source>Used Ch</source>
        <translation>使用通道</translation>
    </message>
    <message>
        <source>Total boards:</source>
        <translation>板卡总数：</translation>
    </message>
    <message>
        <source>Board to supply clock:</source>
        <translation>提供时钟的板卡：</translation>
    </message>
    <message>
        <source>Total Used AppCh:</source>
        <translation>应用通道总数：</translation>
    </message>
    <message>
        <source>Event Interface:</source>
        <translation>事件接口：</translation>
    </message>
    <message>
        <source>Add Board</source>
        <translation>添加板卡</translation>
    </message>
    <message>
        <source>Modify Board</source>
        <translation>修改板卡</translation>
    </message>
    <message>
        <source>Delete Board</source>
        <translation>删除板卡</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>交换</translation>
    </message>
    <message>
        <source>Boards Setting</source>
        <translation>板卡设置</translation>
    </message>
    <message>
        <source>-- Select --</source>
        <translation>-- 请选择 --</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>The board list holds at most %1 boards!</source>
        <translation>板卡列表最多容纳 %1 块板卡！</translation>
    </message>
</context>
</TS>
