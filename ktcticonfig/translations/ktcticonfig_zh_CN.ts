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
    <message>
        <source>Select the linker to be modified!</source>
        <translation>请选择要修改的链路！</translation>
    </message>
    <message>
        <source>Select the linker to be deleted!</source>
        <translation>请选择要删除的链路！</translation>
    </message>
    <message>
        <source>Select the rule to be modified!</source>
        <translation>请选择要修改的规则！</translation>
    </message>
    <message>
        <source>Select the rule to be deleted!</source>
        <translation>请选择要删除的规则！</translation>
    </message>
    <message>
        <source>Select the SpyPcm to be modified!</source>
        <translation>请选择要修改的监听PCM！</translation>
    </message>
    <message>
        <source>Select the SpyPcm to be deleted!</source>
        <translation>请选择要删除的监听PCM！</translation>
    </message>
    <message>
        <source>Select the SpiedPcm to be modified!</source>
        <translation>请选择要修改的被监听PCM！</translation>
    </message>
    <message>
        <source>Select the SpiedPcm to be deleted!</source>
        <translation>请选择要删除的被监听PCM！</translation>
    </message>
    <message>
        <source>Select the SS7_Link to be modified!</source>
        <translation>请选择要修改的SS7链路！</translation>
    </message>
    <message>
        <source>Select the SS7_Link to be deleted!</source>
        <translation>请选择要删除的SS7链路！</translation>
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
    <name>ktcticonfig::AgcDialog</name>
    <message>
        <source>AGC Setting</source>
        <translation>AGC 设置</translation>
    </message>
    <message>
        <source>Maximum gain:</source>
        <translation>最大增益：</translation>
    </message>
    <message>
        <source>Maximum gain for AGC. Range: 1 to 255, default value:255</source>
        <translation>AGC 最大增益。范围：1 到 255，默认值：255</translation>
    </message>
    <message>
        <source>Minimum gain:</source>
        <translation>最小增益：</translation>
    </message>
    <message>
        <source>Minimum gain for AGC. Range: 1 to 255, default value:6</source>
        <translation>AGC 最小增益。范围：1 到 255，默认值：6</translation>
    </message>
    <message>
        <source>Maximum level:</source>
        <translation>最大电平：</translation>
    </message>
    <message>
        <source>Maximum output level</source>
        <translation>最大输出电平</translation>
    </message>
    <message>
        <source>Minimum level:</source>
        <translation>最小电平：</translation>
    </message>
    <message>
        <source>Minimum output level</source>
        <translation>最小输出电平</translation>
    </message>
    <message>
        <source>Decrease step:</source>
        <translation>减小步长：</translation>
    </message>
    <message>
        <source>Specifies the decrease step of AGC gain. Range: 1-99. Default: 35.</source>
        <translation>AGC 增益减小步长。范围：1-99。默认：35。</translation>
    </message>
    <message>
        <source>Increase step:</source>
        <translation>增大步长：</translation>
    </message>
    <message>
        <source>Specifies the increase step of AGC gain. Range: 1-99. Default: 1.</source>
        <translation>AGC 增益增大步长。范围：1-99。默认：1。</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>持续时间：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::AgcUpDownDialog</name>
    <message>
        <source>AGC Setting</source>
        <translation>AGC 设置</translation>
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
        <translation>最大电平：</translation>
    </message>
    <message>
        <source>Minimum level:</source>
        <translation>最小电平：</translation>
    </message>
    <message>
        <source>Decrease step:</source>
        <translation>减小步长：</translation>
    </message>
    <message>
        <source>Increase step:</source>
        <translation>增大步长：</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>持续时间：</translation>
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
        <translation>内线通道：</translation>
    </message>
    <message>
        <source>Automatically sending dial tone:</source>
        <translation>自动送拨号音：</translation>
    </message>
    <message>
        <source>When set to 1, a dial tone will be automatically sent to an user-channel by system.</source>
        <translation>设为 1 时，系统自动向内线通道送拨号音。</translation>
    </message>
    <message>
        <source>StopSendDialTone on receiving DTMF:</source>
        <translation>收到 DTMF 时停送拨号音：</translation>
    </message>
    <message>
        <source>Ring generator working mode:</source>
        <translation>振铃发生器工作方式：</translation>
    </message>
    <message>
        <source>Specifies the mode for an user-channel to generate a ringing signal. 0(default): a periodic &apos;1 second on and 4 seconds off&apos; ringing signal; 1: the ringing signal keeps high level until the application stops it.</source>
        <translation>内线通道产生振铃信号的方式。0（默认）：周期性的&apos;响 1 秒停 4 秒&apos;振铃信号；1：振铃信号保持高电平，直到应用程序停止。</translation>
    </message>
    <message>
        <source>Hook state filtering time:</source>
        <translation>叉簧状态滤波时间：</translation>
    </message>
    <message>
        <source>Specifies the filtering time since the phone went on-hook, used to distinguish between a flash and an actual hangup action.</source>
        <translation>话机挂机后的滤波时间，用于区分拍叉和真正挂机。</translation>
    </message>
    <message>
        <source>Enable generating reversed loop current:</source>
        <translation>启用反极性环路电流：</translation>
    </message>
    <message>
        <source>Analog Record Channel:</source>
        <translation>模拟录音通道：</translation>
    </message>
    <message>
        <source>Hangup/pickup determining voltage:</source>
        <translation>挂机/摘机判定电压：</translation>
    </message>
    <message>
        <source>Specifies the determining voltage (in volt) on a record-channel used to distinguish between pickup and hangup. The default value is 26</source>
        <translation>录音通道区分摘机和挂机的判定电压（伏）。默认值为 26</translation>
    </message>
    <message>
        <source>Ignore checking line voltage:</source>
        <translation>忽略线路电压检测：</translation>
    </message>
    <message>
        <source>Gain control of inputing voice signal:</source>
        <translation>输入语音信号增益控制：</translation>
    </message>
    <message>
        <source>Specifies the gain of the input signal on a record-channel line. =0: normal gain; =1: high gain(20dB)</source>
        <translation>录音通道线路输入信号增益。=0：普通增益；=1：高增益（20dB）</translation>
    </message>
    <message>
        <source>Set Analog Channel Become Record Channel</source>
        <translation>将模拟通道设为录音通道</translation>
    </message>
    <message>
        <source>Analog Trunk Channel:</source>
        <translation>模拟外线通道：</translation>
    </message>
    <message>
        <source>Caller ID Style:</source>
        <translation>来电显示方式：</translation>
    </message>
    <message>
        <source>Specifies the Caller ID style. 0=DTMF, 1=FSK.</source>
        <translation>来电显示方式。0=DTMF，1=FSK。</translation>
    </message>
    <message>
        <source>Filter Invalid FSK CallerId</source>
        <translation>过滤无效 FSK 来电号码</translation>
    </message>
    <message>
        <source>DisablePolarReverse:</source>
        <translation>DisablePolarReverse:</translation>
    </message>
    <message>
        <source>Other Analog Setting:</source>
        <translation>其他模拟设置：</translation>
    </message>
    <message>
        <source>Magnet-module indicator:</source>
        <translation>磁石模块标志：</translation>
    </message>
    <message>
        <source>When set to 1, a magnetic module is installed instead of an analog module.</source>
        <translation>设为 1 时，安装的是磁石模块而非模拟模块。</translation>
    </message>
    <message>
        <source>Joint-module indicator:</source>
        <translation>连接模块标志：</translation>
    </message>
    <message>
        <source>Specifies the initial status of an joint-module. 0=connected, 1= disconnected.</source>
        <translation>连接模块的初始状态。0=连接，1=断开。</translation>
    </message>
    <message>
        <source>Enable DTMF detector when idle:</source>
        <translation>空闲时启用 DTMF 检测：</translation>
    </message>
    <message>
        <source>When set to 1, the system enables the receiving DTMF function for an user channel even when its state is in idle state. The default value is 0.</source>
        <translation>设为 1 时，内线通道空闲时系统也启用 DTMF 接收。默认值为 0。</translation>
    </message>
    <message>
        <source>Simple Busy Detector</source>
        <translation>简易忙音检测</translation>
    </message>
    <message>
        <source>analyze busy tone in transmission of FSK</source>
        <translation>发送 FSK 时分析忙音</translation>
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
    <name>ktcticonfig::BoardSipPage</name>
    <message>
        <source>Network</source>
        <translation>网络</translation>
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
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>网关：</translation>
    </message>
    <message>
        <source>Local Port:</source>
        <translation>本地端口：</translation>
    </message>
    <message>
        <source>RTP Range:</source>
        <translation>RTP 范围：</translation>
    </message>
    <message>
        <source>Lower and upper RTP port, separated by &apos;,&apos;; 1024-65535</source>
        <translation>RTP 端口下限和上限，以 &apos;,&apos; 分隔；1024-65535</translation>
    </message>
    <message>
        <source>Local URI:</source>
        <translation>本地 URI：</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>媒体</translation>
    </message>
    <message>
        <source>Send DTMF Type:</source>
        <translation>发送 DTMF 方式：</translation>
    </message>
    <message>
        <source>Receive DTMF Type:</source>
        <translation>接收 DTMF 方式：</translation>
    </message>
    <message>
        <source>Codec list:</source>
        <translation>编解码列表：</translation>
    </message>
    <message>
        <source>Enabled codecs by priority (at most three): 6 G.711 A-law, 7 G.711 mu-Law, 131 G.729</source>
        <translation>按优先级排列的启用编解码（最多三个）：6 G.711 A 律，7 G.711 μ 律，131 G.729</translation>
    </message>
    <message>
        <source>Protocol type:</source>
        <translation>协议类型：</translation>
    </message>
    <message>
        <source>Register Server</source>
        <translation>注册服务器</translation>
    </message>
    <message>
        <source>Register:</source>
        <translation>注册：</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>域：</translation>
    </message>
    <message>
        <source>Register expire time:</source>
        <translation>注册有效期：</translation>
    </message>
    <message>
        <source>Register user name:</source>
        <translation>注册用户名：</translation>
    </message>
    <message>
        <source>Register user password:</source>
        <translation>注册密码：</translation>
    </message>
    <message>
        <source>Realm:</source>
        <translation>认证域：</translation>
    </message>
    <message>
        <source>H323 Setting</source>
        <translation>H323 设置</translation>
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
        <translation>带内</translation>
    </message>
    <message>
        <source>The address of the board&apos;s own network port</source>
        <translation>板卡自身网口的地址</translation>
    </message>
    <message>
        <source>The address of this computer that the board uses</source>
        <translation>板卡所用的本机地址</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::BoardVoicePage</name>
    <message>
        <source>Rec&amp;&amp;Play Base Options</source>
        <translation>录放音基本选项</translation>
    </message>
    <message>
        <source>Playing volume:</source>
        <translation>放音音量：</translation>
    </message>
    <message>
        <source>Specifies the default volume for the playing process. Range: -6 to 6, default: 0.</source>
        <translation>放音默认音量。范围：-6 到 6，默认：0。</translation>
    </message>
    <message>
        <source>Playing format:</source>
        <translation>放音格式：</translation>
    </message>
    <message>
        <source>Specifies the default CODEC format for the playing process. Range: 6=A-law(default), 7=U-law, 17=IMA ADPCM</source>
        <translation>放音默认编码格式。范围：6=A 律（默认），7=μ 律，17=IMA ADPCM</translation>
    </message>
    <message>
        <source>Recording volume:</source>
        <translation>录音音量：</translation>
    </message>
    <message>
        <source>Recording format:</source>
        <translation>录音格式：</translation>
    </message>
    <message>
        <source>Mixing volume:</source>
        <translation>混音音量：</translation>
    </message>
    <message>
        <source>Specifies the default mixer volume for the recording process. Range: -7 to 6. Volume -7 means the mixer is disabled.</source>
        <translation>录音默认混音音量。范围：-7 到 6。-7 表示关闭混音。</translation>
    </message>
    <message>
        <source>HangUpStopRecord:</source>
        <translation>挂机停止录音：</translation>
    </message>
    <message>
        <source>HangUpStopPlay:</source>
        <translation>挂机停止放音：</translation>
    </message>
    <message>
        <source>Default Speak Volume</source>
        <translation>默认通话音量</translation>
    </message>
    <message>
        <source>BargeIn Detector</source>
        <translation>插话检测</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>灵敏度：</translation>
    </message>
    <message>
        <source>Barge-in sensitivity. Range:0-14</source>
        <translation>插话灵敏度。范围：0-14</translation>
    </message>
    <message>
        <source>Determining time:</source>
        <translation>判定时间：</translation>
    </message>
    <message>
        <source>Barge-in determining time in millisecond. This value must be multiple of 16ms.</source>
        <translation>插话判定时间（毫秒），必须是 16ms 的倍数。</translation>
    </message>
    <message>
        <source>BargeInStopPlay flag:</source>
        <translation>插话停止放音标志：</translation>
    </message>
    <message>
        <source>Tone Generator</source>
        <translation>信号音发生</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>频率：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>DTMF Generator</source>
        <translation>DTMF 发生</translation>
    </message>
    <message>
        <source>Duration of transmitting DTMF signal:</source>
        <translation>发送 DTMF 信号时长：</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Enable echo cancellation:</source>
        <translation>启用回声消除：</translation>
    </message>
    <message>
        <source>InVoiceToBus:</source>
        <translation>InVoiceToBus:</translation>
    </message>
    <message>
        <source>In Voice To Bus</source>
        <translation>输入语音送总线</translation>
    </message>
    <message>
        <source>Reset Board On Close</source>
        <translation>关闭时复位板卡</translation>
    </message>
    <message>
        <source>AGC Setting</source>
        <translation>AGC 设置</translation>
    </message>
    <message>
        <source>DTMF Detector</source>
        <translation>DTMF 检测</translation>
    </message>
    <message>
        <source>DTMFStopPlay indicator:</source>
        <translation>DTMF 停止放音标志：</translation>
    </message>
    <message>
        <source>Sensitivity of DTMF detector:</source>
        <translation>DTMF 检测灵敏度：</translation>
    </message>
    <message>
        <source>Specifies the receiving DTMF sensitivity. Range:1-6</source>
        <translation>接收 DTMF 灵敏度。范围：1-6</translation>
    </message>
    <message>
        <source>Omit A/B/C/D char:</source>
        <translation>忽略 A/B/C/D 字符：</translation>
    </message>
    <message>
        <source>PausePlayOnRxDTMF indicator:</source>
        <translation>收到 DTMF 暂停放音标志：</translation>
    </message>
    <message>
        <source>Output DTMF on high level:</source>
        <translation>高电平时输出 DTMF：</translation>
    </message>
    <message>
        <source>Treat DTMF as voice:</source>
        <translation>将 DTMF 视为语音：</translation>
    </message>
    <message>
        <source>DTMFStopPlay char set:</source>
        <translation>DTMF 停止放音字符集：</translation>
    </message>
    <message>
        <source>DTMFStopRecord char set:</source>
        <translation>DTMF 停止录音字符集：</translation>
    </message>
    <message>
        <source>Minimum determining energy:</source>
        <translation>最小判定能量：</translation>
    </message>
    <message>
        <source>Clear In Voice On RX Dtmf:</source>
        <translation>收到 DTMF 时清除输入语音：</translation>
    </message>
    <message>
        <source>Ratio of DTMF high-freq energy to low-freq energy:</source>
        <translation>DTMF 高频与低频能量之比：</translation>
    </message>
    <message>
        <source>Ratio of DTMF high-freq energy to low-freq energy. valid value : [0, 100], with default value of 10. it is available for 16-channel analog board only. </source>
        <translation>DTMF 高频能量与低频能量之比。有效值：[0, 100]，默认值 10。仅适用于 16 路模拟卡。</translation>
    </message>
    <message>
        <source>Ratio of DTMF energy to full-freq energy:</source>
        <translation>DTMF 能量与全频能量之比：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::CodecListEditor</name>
    <message>
        <source>Available codecs</source>
        <translation>可用编解码</translation>
    </message>
    <message>
        <source>Enabled codecs</source>
        <translation>已启用编解码</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>添加 &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Delete</source>
        <translation>&lt;&lt; 删除</translation>
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
        <translation>数字话机选项</translation>
    </message>
    <message>
        <source>Set Pbx Type</source>
        <translation>设置交换机类型</translation>
    </message>
    <message>
        <source>Set Phone Type</source>
        <translation>设置话机类型</translation>
    </message>
    <message>
        <source>One phone type per channel, separated by &apos;,&apos;</source>
        <translation>每通道一个话机类型，以 &apos;,&apos; 分隔</translation>
    </message>
    <message>
        <source>Rec Raw Mode</source>
        <translation>原始数据录音</translation>
    </message>
    <message>
        <source>ClockReferenceLine</source>
        <translation>时钟参考线路</translation>
    </message>
    <message>
        <source>Enable DEvent Filter</source>
        <translation>启用 D 事件过滤</translation>
    </message>
    <message>
        <source>SetModuleType</source>
        <translation>设置模块类型</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>模块：</translation>
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
        <translation>新类型：</translation>
    </message>
    <message>
        <source>Bin Voice Format Support</source>
        <translation>支持 Bin 语音格式</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::FaxPage</name>
    <message>
        <source>FAX Options</source>
        <translation>传真选项</translation>
    </message>
    <message>
        <source>Select mode:</source>
        <translation>选择模式：</translation>
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
        <translation>选择波特率：</translation>
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
        <translation>FSK 发送设置</translation>
    </message>
    <message>
        <source>Carrier frequency for bit 0:</source>
        <translation>比特 0 载波频率：</translation>
    </message>
    <message>
        <source>Carrier frequency for bit 1:</source>
        <translation>比特 1 载波频率：</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>modulated amplitude:</source>
        <translation>调制幅度：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::GlobalVoicePage</name>
    <message>
        <source>bytes</source>
        <translation>字节</translation>
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
        <translation>录放音和 DTMF 缓冲大小</translation>
    </message>
    <message>
        <source>Play buffer:</source>
        <translation>放音缓冲：</translation>
    </message>
    <message>
        <source>Specifies the size of play-buffer. This value must be multiple of 512</source>
        <translation>放音缓冲大小，必须是 512 的倍数</translation>
    </message>
    <message>
        <source>Record buffer:</source>
        <translation>录音缓冲：</translation>
    </message>
    <message>
        <source>Specifies the size of record-buffer. This value must be multiple of 512</source>
        <translation>录音缓冲大小，必须是 512 的倍数</translation>
    </message>
    <message>
        <source>TxDTMF buffer:</source>
        <translation>发送 DTMF 缓冲：</translation>
    </message>
    <message>
        <source>RcvDTMF buffer:</source>
        <translation>接收 DTMF 缓冲：</translation>
    </message>
    <message>
        <source>Record Channel Pre-recording</source>
        <translation>录音通道预录音</translation>
    </message>
    <message>
        <source>Enable Pre-recording</source>
        <translation>启用预录音</translation>
    </message>
    <message>
        <source>Startup mode:</source>
        <translation>启动方式：</translation>
    </message>
    <message>
        <source>StartupOnVoice</source>
        <translation>有声音时启动</translation>
    </message>
    <message>
        <source>StartupAlways</source>
        <translation>始终启动</translation>
    </message>
    <message>
        <source>Pre-record CODEC:</source>
        <translation>预录音编码：</translation>
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
        <translation>插入文件的数据：</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>会议</translation>
    </message>
    <message>
        <source>Maximum Group:</source>
        <translation>最大组数：</translation>
    </message>
    <message>
        <source>Maximum Member:</source>
        <translation>最大成员数：</translation>
    </message>
    <message>
        <source>Maximum Speaking:</source>
        <translation>最大发言数：</translation>
    </message>
    <message>
        <source>MaxActiveTalkerTotal</source>
        <translation>MaxActiveTalkerTotal</translation>
    </message>
    <message>
        <source>Maximum Listener:</source>
        <translation>最大旁听数：</translation>
    </message>
    <message>
        <source>Schedule on Volume</source>
        <translation>按音量调度</translation>
    </message>
    <message>
        <source>EnablePlayMemberListen</source>
        <translation>放音时成员可听</translation>
    </message>
    <message>
        <source>AutoDial&amp;Pickup Detect</source>
        <translation>自动拨号和摘机检测</translation>
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
        <translation>File_Play 列表上限，范围：0 - 65535，默认：256</translation>
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
        <translation>Index_Play 列表上限，范围：0 - 65535，默认：256</translation>
    </message>
    <message>
        <source>MaxPlayMemList:</source>
        <translation>MaxPlayMemList:</translation>
    </message>
    <message>
        <source>Max list of Memory_Play, range : 0 - 65535, default : 256</source>
        <translation>Memory_Play 列表上限，范围：0 - 65535，默认：256</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>拍叉</translation>
    </message>
    <message>
        <source>denoting a sending flash:</source>
        <translation>表示发送拍叉的字符：</translation>
    </message>
    <message>
        <source>Duration of sending flash:</source>
        <translation>发送拍叉时长：</translation>
    </message>
    <message>
        <source>Duration of sending delay:</source>
        <translation>发送延时时长：</translation>
    </message>
    <message>
        <source>Flash determining time:</source>
        <translation>拍叉判定时间：</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Event output mode:</source>
        <translation>事件输出模式：</translation>
    </message>
    <message>
        <source>DefaultEventOutput: =0: Not output any events; =1: Only output commonly-used events; =2: Output all of the events
</source>
        <translation>DefaultEventOutput：=0：不输出任何事件；=1：只输出常用事件；=2：输出全部事件
</translation>
    </message>
    <message>
        <source>CT-Bus listening support</source>
        <translation>支持 CT 总线监听</translation>
    </message>
    <message>
        <source>Count for pickup</source>
        <translation>摘机计数</translation>
    </message>
    <message>
        <source>MaxRingEndDtrTime:</source>
        <translation>MaxRingEndDtrTime:</translation>
    </message>
    <message>
        <source>FSK Send</source>
        <translation>FSK 发送</translation>
    </message>
    <message>
        <source>Analog Line CID&amp;&amp;Vol&amp;&amp;Ring</source>
        <translation>模拟线来电显示&amp;&amp;音量&amp;&amp;振铃</translation>
    </message>
    <message>
        <source>AutoClearCallerIdBufferOnHangUp</source>
        <translation>挂机时自动清除来电号码缓冲</translation>
    </message>
    <message>
        <source>Enable detecting pulse key</source>
        <translation>启用脉冲按键检测</translation>
    </message>
    <message>
        <source>Use mini-size record/play buffer</source>
        <translation>使用小录放音缓冲</translation>
    </message>
    <message>
        <source>Detect answer by relative energy</source>
        <translation>按相对能量检测应答</translation>
    </message>
    <message>
        <source>Close Caller ID On Rcv CID</source>
        <translation>收到来电号码后关闭来电显示</translation>
    </message>
    <message>
        <source>DtmfCallerIDInterTimeout</source>
        <translation>DtmfCallerIDInterTimeout</translation>
    </message>
    <message>
        <source>Fast Play Time:</source>
        <translation>快放时间：</translation>
    </message>
    <message>
        <source>DetectRingFilterPara:</source>
        <translation>DetectRingFilterPara:</translation>
    </message>
    <message>
        <source>Ring high-level count and low-level count, separated by a comma</source>
        <translation>振铃高电平计数和低电平计数，以逗号分隔</translation>
    </message>
    <message>
        <source>Off Line Set:</source>
        <translation>断线设置：</translation>
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
        <translation>振铃</translation>
    </message>
    <message>
        <source>rings to ringing state</source>
        <translation>次振铃后进入振铃状态</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::H323Dialog</name>
    <message>
        <source>H323 Setting</source>
        <translation>H323 设置</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsdnLinkDialog</name>
    <message>
        <source>ISDN Link</source>
        <translation>ISDN 链路</translation>
    </message>
    <message>
        <source>User side</source>
        <translation>用户侧</translation>
    </message>
    <message>
        <source>Net side</source>
        <translation>网络侧</translation>
    </message>
    <message>
        <source>Link No.:</source>
        <translation>链路号：</translation>
    </message>
    <message>
        <source>The link&apos;s PCM: its number in the PCM list</source>
        <translation>链路所在的 PCM：它在 PCM 列表中的序号</translation>
    </message>
    <message>
        <source>Local PCM No.:</source>
        <translation>本地 PCM 号：</translation>
    </message>
    <message>
        <source>The PCM on its board</source>
        <translation>该 PCM 在其板卡上的序号</translation>
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
        <translation>CRC 校验</translation>
    </message>
    <message>
        <source>Channel ID:</source>
        <translation>通道标识：</translation>
    </message>
    <message>
        <source>Hexadecimal, such as 0x10</source>
        <translation>十六进制，如 0x10</translation>
    </message>
    <message>
        <source>CalledNoSet:</source>
        <translation>被叫号码类型：</translation>
    </message>
    <message>
        <source>National(0XA1)</source>
        <translation>国内(0XA1)</translation>
    </message>
    <message>
        <source>International(0X91)</source>
        <translation>国际(0X91)</translation>
    </message>
    <message>
        <source>NetSpecific(0XB1)</source>
        <translation>网络特定(0XB1)</translation>
    </message>
    <message>
        <source>Subscriber(0XC1)</source>
        <translation>用户(0XC1)</translation>
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
        <translation>主叫号码类型：</translation>
    </message>
    <message>
        <source>National(0X21)</source>
        <translation>国内(0X21)</translation>
    </message>
    <message>
        <source>International(0X11)</source>
        <translation>国际(0X11)</translation>
    </message>
    <message>
        <source>NetSpecific(0X31)</source>
        <translation>网络特定(0X31)</translation>
    </message>
    <message>
        <source>Subscriber(0X41)</source>
        <translation>用户(0X41)</translation>
    </message>
    <message>
        <source>SpeechCode</source>
        <translation>语音编码</translation>
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
        <translation>链路号、本地 PCM 号和 TEI 值必须是数字！</translation>
    </message>
    <message>
        <source>Link No. must between 0~%1</source>
        <translation>链路号必须在 0~%1 之间</translation>
    </message>
    <message>
        <source>TEI value must between 0~%1</source>
        <translation>TEI 值必须在 0~%1 之间</translation>
    </message>
    <message>
        <source>Channel ID must be a number from 0x00 to 0xff, such as 0x10</source>
        <translation>通道标识必须是 0x00 到 0xff 之间的数，如 0x10</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsdnLinkList</name>
    <message>
        <source>Link No.</source>
        <translation>链路号</translation>
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
        <translation>添加</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Total links on user-side:%1</source>
        <translation>用户侧链路总数：%1</translation>
    </message>
    <message>
        <source>Total links on net-side:%1</source>
        <translation>网络侧链路总数：%1</translation>
    </message>
    <message>
        <source>A side holds at most %1 links!</source>
        <translation>每侧最多 %1 条链路！</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsdnPage</name>
    <message>
        <source>ISDN Options</source>
        <translation>ISDN 选项</translation>
    </message>
    <message>
        <source>TransferCapability:</source>
        <translation>传输能力：</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>3.1k Audio</source>
        <translation>3.1k 音频</translation>
    </message>
    <message>
        <source>Phone Number Rules</source>
        <translation>号码规则</translation>
    </message>
    <message>
        <source>ISDN Links</source>
        <translation>ISDN 链路</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::IsupPage</name>
    <message>
        <source>ISUP Options</source>
        <translation>ISUP 选项</translation>
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
    <name>ktcticonfig::ListEditor</name>
    <message>
        <source>Prefix</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Requires Caller ID</source>
        <translation>需要主叫号码</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>前缀：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>长度：</translation>
    </message>
    <message>
        <source>Requires caller ID</source>
        <translation>需要主叫号码</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::LiveLogDialog</name>
    <message>
        <source>Not output info</source>
        <translation>不输出信息</translation>
    </message>
    <message>
        <source>Output to LOG file</source>
        <translation>输出到日志文件</translation>
    </message>
    <message>
        <source>Output to DebugView</source>
        <translation>输出到 DebugView</translation>
    </message>
    <message>
        <source>Not output debugging information</source>
        <translation>不输出调试信息</translation>
    </message>
    <message>
        <source>Output API info to DebugView</source>
        <translation>输出 API 信息到 DebugView</translation>
    </message>
    <message>
        <source>Output API info to the LOG file</source>
        <translation>输出 API 信息到日志文件</translation>
    </message>
    <message>
        <source>Output event info to the LOG file</source>
        <translation>输出事件信息到日志文件</translation>
    </message>
    <message>
        <source>both API and event info to LOG file</source>
        <translation>API 和事件信息都输出到日志文件</translation>
    </message>
    <message>
        <source>both API and event info to DebugView</source>
        <translation>API 和事件信息都输出到 DebugView</translation>
    </message>
    <message>
        <source>Output to PCAPLOG</source>
        <translation>输出到 PCAPLOG</translation>
    </message>
    <message>
        <source>Output All Channel info to one log</source>
        <translation>所有通道信息输出到一个日志</translation>
    </message>
    <message>
        <source>Create log by channel</source>
        <translation>按通道生成日志</translation>
    </message>
    <message>
        <source>Set log switch actively</source>
        <translation>动态设置日志开关</translation>
    </message>
    <message>
        <source>Set Log switch actively</source>
        <translation>动态设置日志开关</translation>
    </message>
    <message>
        <source>API Log</source>
        <translation>API 日志</translation>
    </message>
    <message>
        <source>Ss1 Log</source>
        <translation>一号信令日志</translation>
    </message>
    <message>
        <source>ISDN log</source>
        <translation>ISDN 日志</translation>
    </message>
    <message>
        <source>Ss7 Spy Log</source>
        <translation>七号信令监听日志</translation>
    </message>
    <message>
        <source>Ss1 Spy Log</source>
        <translation>一号信令监听日志</translation>
    </message>
    <message>
        <source>ISDN Spy Log</source>
        <translation>ISDN 监听日志</translation>
    </message>
    <message>
        <source>System Runinfo log</source>
        <translation>系统运行信息日志</translation>
    </message>
    <message>
        <source>DST CAS Log</source>
        <translation>DST CAS 日志</translation>
    </message>
    <message>
        <source>LogType</source>
        <translation>日志类型</translation>
    </message>
    <message>
        <source>LogEnable</source>
        <translation>日志开关</translation>
    </message>
    <message>
        <source>LogCreateMode</source>
        <translation>日志生成方式</translation>
    </message>
    <message>
        <source>Set log limit parameters</source>
        <translation>设置日志限制参数</translation>
    </message>
    <message>
        <source>Create log period</source>
        <translation>日志生成周期</translation>
    </message>
    <message>
        <source>Max keep of latest log file</source>
        <translation>最近日志文件最多保留数</translation>
    </message>
    <message>
        <source>Max limit period</source>
        <translation>最长保留周期</translation>
    </message>
    <message>
        <source>Log file path</source>
        <translation>日志文件路径</translation>
    </message>
    <message>
        <source>Set Api log limit parameters</source>
        <translation>设置 API 日志限制参数</translation>
    </message>
    <message>
        <source>Channel start</source>
        <translation>起始通道</translation>
    </message>
    <message>
        <source>Channel end</source>
        <translation>结束通道</translation>
    </message>
    <message>
        <source>Event start</source>
        <translation>起始事件</translation>
    </message>
    <message>
        <source>Event end</source>
        <translation>结束事件</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::LogOutputPage</name>
    <message>
        <source>Log creation mode:</source>
        <translation>日志生成方式：</translation>
    </message>
    <message>
        <source>API Log</source>
        <translation>API 日志</translation>
    </message>
    <message>
        <source>Output API debugging information</source>
        <translation>输出 API 调试信息</translation>
    </message>
    <message>
        <source>&quot;-1..-1&quot; means all of them; a range such as 10..20 limits the output to those numbers</source>
        <translation>&quot;-1..-1&quot; 表示全部；如 10..20 的范围只输出这些编号</translation>
    </message>
    <message>
        <source>Event Range</source>
        <translation>事件范围</translation>
    </message>
    <message>
        <source>Channel Range</source>
        <translation>通道范围</translation>
    </message>
    <message>
        <source>Signalling Logs</source>
        <translation>信令日志</translation>
    </message>
    <message>
        <source>Output Ss1 log</source>
        <translation>输出一号信令日志</translation>
    </message>
    <message>
        <source>Output Ss1 spy log</source>
        <translation>输出一号信令监听日志</translation>
    </message>
    <message>
        <source>Output ISDN Message</source>
        <translation>输出 ISDN 消息</translation>
    </message>
    <message>
        <source>Decode user side Msg</source>
        <translation>解码用户侧消息</translation>
    </message>
    <message>
        <source>Output ISDN spy log</source>
        <translation>输出 ISDN 监听日志</translation>
    </message>
    <message>
        <source>Output Ss7 spy log</source>
        <translation>输出七号信令监听日志</translation>
    </message>
    <message>
        <source>Other Logs</source>
        <translation>其他日志</translation>
    </message>
    <message>
        <source>Output System Status log</source>
        <translation>输出系统状态日志</translation>
    </message>
    <message>
        <source>Output DST CAS Log</source>
        <translation>输出 DST CAS 日志</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>Create log period</source>
        <translation>日志生成周期</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Max keep of latest log file</source>
        <translation>最近日志文件最多保留数</translation>
    </message>
    <message>
        <source>Max limit period</source>
        <translation>最长保留周期</translation>
    </message>
    <message>
        <source>Log file path</source>
        <translation>日志文件路径</translation>
    </message>
    <message>
        <source>Wheather overwrite log file when restart progress</source>
        <translation>重启进程时是否覆盖日志文件</translation>
    </message>
    <message>
        <source>Create Dump File When Crash</source>
        <translation>崩溃时生成转储文件</translation>
    </message>
    <message>
        <source>Set log switch actively</source>
        <translation>动态设置日志开关</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::PcmListPage</name>
    <message>
        <source>U-side</source>
        <translation>用户侧</translation>
    </message>
    <message>
        <source>SS1</source>
        <translation>一号信令</translation>
    </message>
    <message>
        <source>N-side</source>
        <translation>网络侧</translation>
    </message>
    <message>
        <source>SS7-TUP</source>
        <translation>SS7-TUP</translation>
    </message>
    <message>
        <source>LineSyncMaster</source>
        <translation>线路同步主时钟</translation>
    </message>
    <message>
        <source>FreeMaster</source>
        <translation>FreeMaster</translation>
    </message>
    <message>
        <source>SlaveClock</source>
        <translation>从时钟</translation>
    </message>
    <message>
        <source>twisted pair</source>
        <translation>双绞线</translation>
    </message>
    <message>
        <source>coaxial line</source>
        <translation>同轴线</translation>
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
        <translation>链路类型</translation>
    </message>
    <message>
        <source>ClockMode</source>
        <translation>时钟模式</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>CallInTS,Num</source>
        <translation>呼入时隙,数目</translation>
    </message>
    <message>
        <source>AutoCall</source>
        <translation>自动呼叫</translation>
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
        <translation>启用自动呼叫</translation>
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
        <translation>时钟模式：</translation>
    </message>
    <message>
        <source>Link module:</source>
        <translation>链路模式：</translation>
    </message>
    <message>
        <source>CallInTS:</source>
        <translation>呼入时隙：</translation>
    </message>
    <message>
        <source>CallInTS count:</source>
        <translation>呼入时隙数：</translation>
    </message>
    <message>
        <source>Signaling TS</source>
        <translation>信令时隙</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>应用到全部</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::SipGlobalPage</name>
    <message>
        <source>SIP Global Options</source>
        <translation>SIP 全局选项</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::SpyPage</name>
    <message>
        <source>Spy Options</source>
        <translation>监听选项</translation>
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
        <translation>信令控制类型：</translation>
    </message>
    <message>
        <source>No.1 (MFC R2) signalling</source>
        <translation>中国一号 (MFC R2) 信令</translation>
    </message>
    <message>
        <source>LineSide</source>
        <translation>线路侧</translation>
    </message>
    <message>
        <source>ASB</source>
        <translation>ASB</translation>
    </message>
    <message>
        <source>LineSide (OPS-FX)</source>
        <translation>线路侧 (OPS-FX)</translation>
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
        <translation>通道空闲指示：</translation>
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
        <translation>一号信令选项</translation>
    </message>
    <message>
        <source>Phone Number Rules</source>
        <translation>号码规则</translation>
    </message>
    <message>
        <source>MFC R2 protocol:</source>
        <translation>MFC R2 协议：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::Ss7Page</name>
    <message>
        <source>SS7 Options</source>
        <translation>七号信令选项</translation>
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
<context>
    <name>ktcticonfig::ToneDetectorPage</name>
    <message>
        <source>Specifies the period of busy tone in millisecond, used to detect busy tone. Maximum 4 periods can be specified, periods should be separated by &apos;,&apos; when more than one are to be specified. Range:200-2000. Default: 700ms.</source>
        <translation>忙音周期（毫秒），用于检测忙音。最多可指定 4 个周期，多个周期以 &apos;,&apos; 分隔。范围：200-2000。默认：700ms。</translation>
    </message>
    <message>
        <source>Whether to detect self-defined tone. 0--not to detect. 1--to detect continuous tone (similar to DialTone); 2--to detect periodic tone (similar to RingBackTone)</source>
        <translation>是否检测自定义信号音。0--不检测；1--检测连续音（类似拨号音）；2--检测周期音（类似回铃音）</translation>
    </message>
    <message>
        <source>Original Tone Detector</source>
        <translation>原始信号音检测</translation>
    </message>
    <message>
        <source>Second Tone Detector</source>
        <translation>第二信号音检测</translation>
    </message>
    <message>
        <source>Tone parameters:</source>
        <translation>信号音参数：</translation>
    </message>
    <message>
        <source>IsDialToneDetermineTime:</source>
        <translation>IsDialToneDetermineTime:</translation>
    </message>
    <message>
        <source>Period of busy tone:</source>
        <translation>忙音周期：</translation>
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
        <translation>检测开关：</translation>
    </message>
    <message>
        <source>DetermineTime:</source>
        <translation>判定时间：</translation>
    </message>
    <message>
        <source>HighAndLowLevelDuration:</source>
        <translation>高低电平持续时间：</translation>
    </message>
    <message>
        <source>DeterminePeriodCount:</source>
        <translation>判定周期数：</translation>
    </message>
    <message>
        <source>Self-defined tone param:</source>
        <translation>自定义信号音参数：</translation>
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
        <translation>地区选择：</translation>
    </message>
    <message>
        <source>Check Second Tone On Auto Dial</source>
        <translation>自动拨号时检测第二信号音</translation>
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
        <translation>增强型信号音检测</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
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
        <translation>项目总数：%1</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::ToneItemDialog</name>
    <message>
        <source>Set tone parameters</source>
        <translation>设置信号音参数</translation>
    </message>
    <message>
        <source>Continuous Tone</source>
        <translation>连续音</translation>
    </message>
    <message>
        <source>Periodoc Tone</source>
        <translation>周期音</translation>
    </message>
    <message>
        <source>SIT Tone</source>
        <translation>SIT 音</translation>
    </message>
    <message>
        <source>Tone Mode:</source>
        <translation>信号音模式：</translation>
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
        <translation>高电平滤波计数：</translation>
    </message>
    <message>
        <source>Low Filter Count:</source>
        <translation>低电平滤波计数：</translation>
    </message>
    <message>
        <source>Freq Err:</source>
        <translation>频率误差：</translation>
    </message>
    <message>
        <source>Band ratio:</source>
        <translation>带内能量比：</translation>
    </message>
    <message>
        <source>Level Err:</source>
        <translation>电平误差：</translation>
    </message>
    <message>
        <source>Level Determine</source>
        <translation>电平判定</translation>
    </message>
    <message>
        <source>Error Determine</source>
        <translation>误差判定</translation>
    </message>
    <message>
        <source>Period Determine Mode:</source>
        <translation>周期判定方式：</translation>
    </message>
    <message>
        <source>Need Period Count:</source>
        <translation>所需周期数：</translation>
    </message>
    <message>
        <source>Period Time:</source>
        <translation>周期时间：</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>拨号音</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙音</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>回铃音</translation>
    </message>
    <message>
        <source>FAX F1</source>
        <translation>传真 F1</translation>
    </message>
    <message>
        <source>FAX F2</source>
        <translation>传真 F2</translation>
    </message>
    <message>
        <source>Appointed</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Tone Type:</source>
        <translation>信号音类型：</translation>
    </message>
    <message>
        <source>User Define Type:</source>
        <translation>自定义类型：</translation>
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
        <translation>工作条件：</translation>
    </message>
    <message>
        <source>Stop after Tetected:</source>
        <translation>检测到后停止：</translation>
    </message>
    <message>
        <source>Pop Event to Driver Status:</source>
        <translation>事件上报驱动状态：</translation>
    </message>
</context>
<context>
    <name>ktcticonfig::TupPage</name>
    <message>
        <source>TUP Options</source>
        <translation>TUP 选项</translation>
    </message>
</context>
</TS>
