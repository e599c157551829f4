<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>NXG4120-T</name>
    <message>
        <source>
NXG4120-T searching...</source>
        <translation>
正在搜索 NXG4120-T...</translation>
    </message>
    <message>
        <source>
Inquire module information...</source>
        <translation>
正在查询模块信息...</translation>
    </message>
    <message>
        <source>Cannot open the specified device</source>
        <translation>无法打开指定的设备</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>No NXG4120-T module found</source>
        <translation>未找到 NXG4120-T 模块</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失败</translation>
    </message>
    <message>
        <source>The network connection is working.
Modifying any parameter may cause connection terminated!!</source>
        <translation>网络连接正在工作。
修改任何参数都可能导致连接中断！！</translation>
    </message>
    <message>
        <source>Modification has failed. There are other users modidying the module now</source>
        <translation>修改失败。目前有其他用户正在修改此模块</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>处理中...</translation>
    </message>
    <message>
        <source>Module type does not match NXG4120</source>
        <translation>模块类型与 NXG4120 不符</translation>
    </message>
    <message>
        <source>Firmware version dose not match</source>
        <translation>固件版本不符</translation>
    </message>
    <message>
        <source>Shows or hides Workspace window
Workspace</source>
        <translation>显示或隐藏工作区窗口
工作区</translation>
    </message>
    <message>
        <source>Shows or hides the Output window
Output</source>
        <translation>显示或隐藏输出窗口
输出</translation>
    </message>
    <message>
        <source>Refresh current view
Refresh</source>
        <translation>刷新当前视图
刷新</translation>
    </message>
    <message>
        <source>Communication parameters setting
Communication setting</source>
        <translation>通信参数设置
通信设置</translation>
    </message>
    <message>
        <source>Language Setup</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>创建新文档
新建</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开现有文档
打开</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存活动文档
保存</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>用新名称保存活动文档
另存为</translation>
    </message>
    <message>
        <source>GwSuite User Manual</source>
        <translation>GwSuite 用户手册</translation>
    </message>
    <message>
        <source>Search NXG4120 module</source>
        <translation>搜索 NXG4120 模块</translation>
    </message>
    <message>
        <source>IP search NXG4120 module</source>
        <translation>按 IP 搜索 NXG4120 模块</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP 校时</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监控</translation>
    </message>
    <message>
        <source>Slave Mode</source>
        <translation>从站模式</translation>
    </message>
    <message>
        <source>IP Filter</source>
        <translation>IP 过滤</translation>
    </message>
    <message>
        <source>User Define</source>
        <translation>用户定义</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>NXG4120 Config File (*.mod)|*.mod||</source>
        <translation>NXG4120 配置文件 (*.mod)|*.mod||</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Device Overview</source>
        <translation>设备概览</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>模块</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>DI / DO Point</source>
        <translation>DI / DO 点数</translation>
    </message>
    <message>
        <source>Module Name</source>
        <translation>模块名称</translation>
    </message>
    <message>
        <source>Master Configuration</source>
        <translation>主从配置</translation>
    </message>
    <message>
        <source>Serial Master</source>
        <translation>串口主站</translation>
    </message>
    <message>
        <source>Serial Slave</source>
        <translation>串口从站</translation>
    </message>
    <message>
        <source>Serial Device Server</source>
        <translation>串口设备服务器</translation>
    </message>
    <message>
        <source>IP Configuration</source>
        <translation>IP 配置</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>静态</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Enable IPv6</source>
        <translation>启用 IPv6</translation>
    </message>
    <message>
        <source>COM Protocol Setup</source>
        <translation>COM 协议设置</translation>
    </message>
    <message>
        <source>Modbus COM1 (RS-232)</source>
        <translation>Modbus COM1 (RS-232)</translation>
    </message>
    <message>
        <source>Modbus COM2 (RS-485)</source>
        <translation>Modbus COM2 (RS-485)</translation>
    </message>
    <message>
        <source>User Define COM1 (RS-232)</source>
        <translation>用户定义 COM1 (RS-232)</translation>
    </message>
    <message>
        <source>User Define COM2 (RS-485)</source>
        <translation>用户定义 COM2 (RS-485)</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data Length</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>奇偶校验</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>RTU</source>
        <translation>RTU</translation>
    </message>
    <message>
        <source>Station Address</source>
        <translation>站地址</translation>
    </message>
    <message>
        <source>Keep Alive Time (s)</source>
        <translation>保活时间 (s)</translation>
    </message>
    <message>
        <source>(5 - 65535 s)</source>
        <translation>(5 - 65535 s)</translation>
    </message>
    <message>
        <source>Modbus Timeout  (ms)</source>
        <translation>Modbus 超时 (ms)</translation>
    </message>
    <message>
        <source>(5 - 65535 ms)</source>
        <translation>(5 - 65535 ms)</translation>
    </message>
    <message>
        <source>Delay Time  (ms)</source>
        <translation>延迟时间 (ms)</translation>
    </message>
    <message>
        <source>(0 - 65535 ms)</source>
        <translation>(0 - 65535 ms)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>定时器</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Station range in [1-247]</source>
        <translation>站地址范围为 [1-247]</translation>
    </message>
    <message>
        <source>%1 is not a valid value: %2 to %3</source>
        <translation>%1 不是有效值：%2 到 %3</translation>
    </message>
    <message>
        <source>Master Configuration : [Dual Mode] does not support MODBUS protocol</source>
        <translation>主从配置：[Dual Mode] 不支持 MODBUS 协议</translation>
    </message>
    <message>
        <source>Master Configuration : [Dual Mode] does not support User Define COM2 (RS-485)</source>
        <translation>主从配置：[Dual Mode] 不支持用户定义 COM2 (RS-485)</translation>
    </message>
    <message>
        <source>RS-232 is specified by COM Protocol and will be invalid for configuration.
Future modification can be done only by Ethernet.</source>
        <translation>RS-232 已指定给 COM 协议使用，将无法再用于配置。
此后只能通过以太网进行修改。</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>密码设置</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Load Factory Default</source>
        <translation>加载出厂默认值</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Parameters Import  / Export</source>
        <translation>参数导入 / 导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>验证失败</translation>
    </message>
    <message>
        <source>Password input error</source>
        <translation>密码输入错误</translation>
    </message>
    <message>
        <source>Configuration is successful</source>
        <translation>配置成功</translation>
    </message>
    <message>
        <source>Configuration is failed</source>
        <translation>配置失败</translation>
    </message>
    <message>
        <source>Return to factory setting</source>
        <translation>是否恢复出厂设置？</translation>
    </message>
    <message>
        <source>Enter 64 characters only</source>
        <translation>只能输入 64 个字符</translation>
    </message>
    <message>
        <source>The entered recipient email is incorrect</source>
        <translation>输入的收件人邮箱不正确</translation>
    </message>
    <message>
        <source>Mail address cannot be empty</source>
        <translation>邮件地址不能为空</translation>
    </message>
    <message>
        <source>Subject of Alarm</source>
        <translation>报警主题</translation>
    </message>
    <message>
        <source>Alarm-1</source>
        <translation>报警-1</translation>
    </message>
    <message>
        <source>Alarm-2</source>
        <translation>报警-2</translation>
    </message>
    <message>
        <source>Alarm-3</source>
        <translation>报警-3</translation>
    </message>
    <message>
        <source>Mail Address</source>
        <translation>邮件地址</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>下降沿</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>上升沿</translation>
    </message>
    <message>
        <source>Station range in [1-255]</source>
        <translation>站号范围为 [1-255]</translation>
    </message>
    <message>
        <source>IP Address format is [192.168.1.1]</source>
        <translation>IP 地址格式为 [192.168.1.1]</translation>
    </message>
    <message>
        <source>Relay IP Address</source>
        <translation>转发 IP 地址</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Alarm-1, X0</source>
        <translation>报警-1, X0</translation>
    </message>
    <message>
        <source>Alarm-2, X1</source>
        <translation>报警-2, X1</translation>
    </message>
    <message>
        <source>Alarm-3, X2</source>
        <translation>报警-3, X2</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP 服务器</translation>
    </message>
    <message>
        <source>Mail From</source>
        <translation>发件人</translation>
    </message>
    <message>
        <source>E-mail Subject of Alarm</source>
        <translation>报警邮件主题</translation>
    </message>
    <message>
        <source>Recipient E-mail Address</source>
        <translation>收件人邮件地址</translation>
    </message>
    <message>
        <source>Serial Slave Mode</source>
        <translation>串口从站模式</translation>
    </message>
    <message>
        <source>Enable IP Filter  (Only the IP address listed below are allowed to access)</source>
        <translation>启用 IP 过滤  (只允许下列 IP 地址访问)</translation>
    </message>
    <message>
        <source>IP Filter Setup</source>
        <translation>IP 过滤设置</translation>
    </message>
    <message>
        <source>Subnet Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>1.</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2.</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3.</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4.</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5.</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6.</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>7.</source>
        <translation>7.</translation>
    </message>
    <message>
        <source>8.</source>
        <translation>8.</translation>
    </message>
    <message>
        <source>(GMT-12:00) Eniwetok, Kwajalein </source>
        <translation>(GMT-12:00) 埃尼威托克，夸贾林 </translation>
    </message>
    <message>
        <source>(GMT-11:00) Midway Island, Samoa</source>
        <translation>(GMT-11:00) 中途岛，萨摩亚群岛</translation>
    </message>
    <message>
        <source>(GMT-10:00) Hawaii</source>
        <translation>(GMT-10:00) 夏威夷</translation>
    </message>
    <message>
        <source>(GMT-09:00) Alaska</source>
        <translation>(GMT-09:00) 阿拉斯加</translation>
    </message>
    <message>
        <source>(GMT-08:00) Pacific Time (US &amp; Canada); Tijuana</source>
        <translation>(GMT-08:00) 太平洋时间 (美国和加拿大)；蒂华纳</translation>
    </message>
    <message>
        <source>(GMT-07:00) Arizona</source>
        <translation>(GMT-07:00) 亚利桑那</translation>
    </message>
    <message>
        <source>(GMT-07:00) Mountain Time (US &amp; Canada)</source>
        <translation>(GMT-07:00) 山地时间 (美国和加拿大)</translation>
    </message>
    <message>
        <source>(GMT-06:00) Central America</source>
        <translation>(GMT-06:00) 中美洲</translation>
    </message>
    <message>
        <source>(GMT-06:00) Central Time (US &amp; Canada)</source>
        <translation>(GMT-06:00) 中部时间 (美国和加拿大)</translation>
    </message>
    <message>
        <source>(GMT-06:00) Mexico City</source>
        <translation>(GMT-06:00) 墨西哥城</translation>
    </message>
    <message>
        <source>(GMT-06:00) Saskatchewan</source>
        <translation>(GMT-06:00) 萨斯喀彻温</translation>
    </message>
    <message>
        <source>(GMT-05:00) Bogota, Lima, Quito</source>
        <translation>(GMT-05:00) 波哥大，利马，基多</translation>
    </message>
    <message>
        <source>(GMT-05:00) Eastern Time (US &amp; Canada)</source>
        <translation>(GMT-05:00) 东部时间 (美国和加拿大)</translation>
    </message>
    <message>
        <source>(GMT-05:00) Indiana (East)</source>
        <translation>(GMT-05:00) 印第安纳州 (东部)</translation>
    </message>
    <message>
        <source>(GMT-04:00) Atlantic Time (Canada)</source>
        <translation>(GMT-04:00) 大西洋时间 (加拿大)</translation>
    </message>
    <message>
        <source>(GMT-04:00) Caracas, La Paz</source>
        <translation>(GMT-04:00) 加拉加斯，拉巴斯</translation>
    </message>
    <message>
        <source>(GMT-04:00) Santiago</source>
        <translation>(GMT-04:00) 圣地亚哥</translation>
    </message>
    <message>
        <source>(GMT-03:30) Newfoundland</source>
        <translation>(GMT-03:30) 纽芬兰</translation>
    </message>
    <message>
        <source>(GMT-03:00) Brasilia</source>
        <translation>(GMT-03:00) 巴西利亚</translation>
    </message>
    <message>
        <source>(GMT-03:00) Buenos Aires, Georgetown</source>
        <translation>(GMT-03:00) 布宜诺斯艾利斯，乔治敦</translation>
    </message>
    <message>
        <source>(GMT-03:00) Greenland</source>
        <translation>(GMT-03:00) 格陵兰</translation>
    </message>
    <message>
        <source>(GMT-02:00) Mid-Atlantic</source>
        <translation>(GMT-02:00) 中大西洋</translation>
    </message>
    <message>
        <source>(GMT-01:00) Azores</source>
        <translation>(GMT-01:00) 亚速尔群岛</translation>
    </message>
    <message>
        <source>(GMT-01:00) Cape Verde Is.</source>
        <translation>(GMT-01:00) 佛得角群岛</translation>
    </message>
    <message>
        <source>(GMT) Casablanca, Monrovia</source>
        <translation>(GMT) 卡萨布兰卡，蒙罗维亚</translation>
    </message>
    <message>
        <source>(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London</source>
        <translation>(GMT) 格林尼治标准时间：都柏林，爱丁堡，里斯本，伦敦</translation>
    </message>
    <message>
        <source>(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation>(GMT+01:00) 阿姆斯特丹，柏林，伯尔尼，罗马，斯德哥尔摩，维也纳</translation>
    </message>
    <message>
        <source>(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation>(GMT+01:00) 贝尔格莱德，布拉迪斯拉发，布达佩斯，卢布尔雅那，布拉格</translation>
    </message>
    <message>
        <source>(GMT+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(GMT+01:00) 布鲁塞尔，哥本哈根，马德里，巴黎</translation>
    </message>
    <message>
        <source>(GMT+01:00) Sarajevo, Skopje, Sofija, Vilnius, Warsaw, Zagreb</source>
        <translation>(GMT+01:00) 萨拉热窝，斯科普里，索非亚，维尔纽斯，华沙，萨格勒布</translation>
    </message>
    <message>
        <source>(GMT+01:00) West Central Africa</source>
        <translation>(GMT+01:00) 中非西部</translation>
    </message>
    <message>
        <source>(GMT+02:00) Athens, Istanbul, Minsk</source>
        <translation>(GMT+02:00) 雅典，伊斯坦布尔，明斯克</translation>
    </message>
    <message>
        <source>(GMT+02:00) Bucharest</source>
        <translation>(GMT+02:00) 布加勒斯特</translation>
    </message>
    <message>
        <source>(GMT+02:00) Cairo</source>
        <translation>(GMT+02:00) 开罗</translation>
    </message>
    <message>
        <source>(GMT+02:00) Harare, Pretoria</source>
        <translation>(GMT+02:00) 哈拉雷，比勒陀利亚</translation>
    </message>
    <message>
        <source>(GMT+02:00) Helsinki, Riga, Tallinn</source>
        <translation>(GMT+02:00) 赫尔辛基，里加，塔林</translation>
    </message>
    <message>
        <source>(GMT+02:00) Jerusalem</source>
        <translation>(GMT+02:00) 耶路撒冷</translation>
    </message>
    <message>
        <source>(GMT+03:00) Baghdad</source>
        <translation>(GMT+03:00) 巴格达</translation>
    </message>
    <message>
        <source>(GMT+03:00) Kuwait, Riyadh</source>
        <translation>(GMT+03:00) 科威特，利雅得</translation>
    </message>
    <message>
        <source>(GMT+03:00) Moscow, St. Petersburg, Volgograd</source>
        <translation>(GMT+03:00) 莫斯科，圣彼得堡，伏尔加格勒</translation>
    </message>
    <message>
        <source>(GMT+03:00) Nairobi</source>
        <translation>(GMT+03:00) 内罗毕</translation>
    </message>
    <message>
        <source>(GMT+03:30) Tehran</source>
        <translation>(GMT+03:30) 德黑兰</translation>
    </message>
    <message>
        <source>(GMT+04:00) Abu Dhabi, Muscat</source>
        <translation>(GMT+04:00) 阿布扎比，马斯喀特</translation>
    </message>
    <message>
        <source>(GMT+04:00) Baku, Tbilisi, Yerevan</source>
        <translation>(GMT+04:00) 巴库，第比利斯，埃里温</translation>
    </message>
    <message>
        <source>(GMT+04:30) Kabul</source>
        <translation>(GMT+04:30) 喀布尔</translation>
    </message>
    <message>
        <source>(GMT+05:00) Ekaterinburg</source>
        <translation>(GMT+05:00) 叶卡捷琳堡</translation>
    </message>
    <message>
        <source>(GMT+05:00) Islamabad, Karachi, Tashkent</source>
        <translation>(GMT+05:00) 伊斯兰堡，卡拉奇，塔什干</translation>
    </message>
    <message>
        <source>(GMT+05:30) Calcutta, Chennai, Mumbai, New Delhi</source>
        <translation>(GMT+05:30) 加尔各答，金奈，孟买，新德里</translation>
    </message>
    <message>
        <source>(GMT+05:45) Kathmandu</source>
        <translation>(GMT+05:45) 加德满都</translation>
    </message>
    <message>
        <source>(GMT+06:00) Almaty, Novosibirsk</source>
        <translation>(GMT+06:00) 阿拉木图，新西伯利亚</translation>
    </message>
    <message>
        <source>(GMT+06:00) Astana, Dhaka</source>
        <translation>(GMT+06:00) 阿斯塔纳，达卡</translation>
    </message>
    <message>
        <source>(GMT+06:00) Sri Jayawardenepura</source>
        <translation>(GMT+06:00) 斯里贾亚瓦德纳普拉</translation>
    </message>
    <message>
        <source>(GMT+06:30) Rangoon</source>
        <translation>(GMT+06:30) 仰光</translation>
    </message>
    <message>
        <source>(GMT+07:00) Bangkok, Hanoi, Jakarta</source>
        <translation>(GMT+07:00) 曼谷，河内，雅加达</translation>
    </message>
    <message>
        <source>(GMT+07:00) Krasnoyarsk</source>
        <translation>(GMT+07:00) 克拉斯诺亚尔斯克</translation>
    </message>
    <message>
        <source>(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation>(GMT+08:00) 北京，重庆，香港，乌鲁木齐</translation>
    </message>
    <message>
        <source>(GMT+08:00) Irkutsk, Ulaan Bataar</source>
        <translation>(GMT+08:00) 伊尔库茨克，乌兰巴托</translation>
    </message>
    <message>
        <source>(GMT+08:00) Kuala Lumpur, Singapore</source>
        <translation>(GMT+08:00) 吉隆坡，新加坡</translation>
    </message>
    <message>
        <source>(GMT+08:00) Perth</source>
        <translation>(GMT+08:00) 珀斯</translation>
    </message>
    <message>
        <source>(GMT+08:00) Taipei</source>
        <translation>(GMT+08:00) 台北</translation>
    </message>
    <message>
        <source>(GMT+09:00) Osaka, Sapporo, Tokyo</source>
        <translation>(GMT+09:00) 大阪，札幌，东京</translation>
    </message>
    <message>
        <source>(GMT+09:00) Seoul</source>
        <translation>(GMT+09:00) 首尔</translation>
    </message>
    <message>
        <source>(GMT+09:00) Yakutsk</source>
        <translation>(GMT+09:00) 雅库茨克</translation>
    </message>
    <message>
        <source>(GMT+09:30) Adelaide</source>
        <translation>(GMT+09:30) 阿德莱德</translation>
    </message>
    <message>
        <source>(GMT+09:30) Darwin</source>
        <translation>(GMT+09:30) 达尔文</translation>
    </message>
    <message>
        <source>(GMT+10:00) Brisbane</source>
        <translation>(GMT+10:00) 布里斯班</translation>
    </message>
    <message>
        <source>(GMT+10:00) Canberra, Melbourne, Sydney</source>
        <translation>(GMT+10:00) 堪培拉，墨尔本，悉尼</translation>
    </message>
    <message>
        <source>(GMT+10:00) Guam, Port Moresby</source>
        <translation>(GMT+10:00) 关岛，莫尔兹比港</translation>
    </message>
    <message>
        <source>(GMT+10:00) Hobart</source>
        <translation>(GMT+10:00) 霍巴特</translation>
    </message>
    <message>
        <source>(GMT+10:00) Vladivostok</source>
        <translation>(GMT+10:00) 符拉迪沃斯托克</translation>
    </message>
    <message>
        <source>(GMT+11:00) Magadan, Solomon Is., New Caledonia</source>
        <translation>(GMT+11:00) 马加丹，所罗门群岛，新喀里多尼亚</translation>
    </message>
    <message>
        <source>(GMT+12:00) Auckland, Wellington</source>
        <translation>(GMT+12:00) 奥克兰，惠灵顿</translation>
    </message>
    <message>
        <source>(GMT+12:00) Fiji, Kamchatka, Marshall Is.</source>
        <translation>(GMT+12:00) 斐济，堪察加，马绍尔群岛</translation>
    </message>
    <message>
        <source>(GMT+13:00) Nuku&apos;alofa</source>
        <translation>(GMT+13:00) 努库阿洛法</translation>
    </message>
    <message>
        <source>Time Server Setup</source>
        <translation>时间服务器设置</translation>
    </message>
    <message>
        <source>Enable Time Server </source>
        <translation>启用时间服务器 </translation>
    </message>
    <message>
        <source>Start Daylight Saving Time</source>
        <translation>启用夏令时</translation>
    </message>
    <message>
        <source>Time Server</source>
        <translation>时间服务器</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Clock Setup</source>
        <translation>时钟设置</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>NXG4120-T</source>
        <translation>NXG4120-T</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thrisday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Time error</source>
        <translation>时间错误</translation>
    </message>
    <message>
        <source>COM1 (RS-232)</source>
        <translation>COM1 (RS-232)</translation>
    </message>
    <message>
        <source>COM2 (RS-485)</source>
        <translation>COM2 (RS-485)</translation>
    </message>
    <message>
        <source>Listen Port</source>
        <translation>监听端口</translation>
    </message>
    <message>
        <source>Destination IP</source>
        <translation>目的 IP</translation>
    </message>
    <message>
        <source>Destination Port</source>
        <translation>目的端口</translation>
    </message>
    <message>
        <source>Fix Length</source>
        <translation>固定长度</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>Start Item</source>
        <translation>起始字符</translation>
    </message>
    <message>
        <source>Bytes,  Start Char (Hex.)</source>
        <translation>字节，起始字符 (十六进制)</translation>
    </message>
    <message>
        <source>Stop Item</source>
        <translation>结束字符</translation>
    </message>
    <message>
        <source>Bytes,  Stop Char (Hex.)</source>
        <translation>字节，结束字符 (十六进制)</translation>
    </message>
    <message>
        <source>Listen Port range in [1024-65535]</source>
        <translation>监听端口范围为 [1024-65535]</translation>
    </message>
    <message>
        <source>Listen port can&apos;t same as COM2 (RS-485)</source>
        <translation>监听端口不能与 COM2 (RS-485) 相同</translation>
    </message>
    <message>
        <source>Listen port can&apos;t same as COM1 (RS-232)</source>
        <translation>监听端口不能与 COM1 (RS-232) 相同</translation>
    </message>
    <message>
        <source>Destination Port range in [1024-65535]</source>
        <translation>目的端口范围为 [1024-65535]</translation>
    </message>
    <message>
        <source>IP and port can&apos;t same as COM2 (RS-485)</source>
        <translation>IP 和端口不能与 COM2 (RS-485) 相同</translation>
    </message>
    <message>
        <source>IP and port can&apos;t same as COM1 (RS-232)</source>
        <translation>IP 和端口不能与 COM1 (RS-232) 相同</translation>
    </message>
    <message>
        <source>Fix length range in [1-256]</source>
        <translation>固定长度范围为 [1-256]</translation>
    </message>
    <message>
        <source>The filter does not include this computer (%1). Apply anyway?</source>
        <translation>过滤列表不包含这台计算机 (%1)。仍要应用吗？</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>趋势图</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Log to CSV…</source>
        <translation>记录到 CSV…</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv||</source>
        <translation>CSV 文件 (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Cannot open the log file %1</source>
        <translation>无法打开日志文件 %1</translation>
    </message>
    <message>
        <source>Cannot write the log file %1</source>
        <translation>无法写入日志文件 %1</translation>
    </message>
    <message>
        <source>Bit Device</source>
        <translation>位元件</translation>
    </message>
    <message>
        <source>Word Device</source>
        <translation>字元件</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>开始监控</translation>
    </message>
    <message>
        <source>Stop Monitor</source>
        <translation>停止监控</translation>
    </message>
    <message>
        <source>MODBUS (Hex)</source>
        <translation>MODBUS (十六进制)</translation>
    </message>
    <message>
        <source>MODBUS (Dec)</source>
        <translation>MODBUS (十进制)</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Bit Status</source>
        <translation>位状态</translation>
    </message>
    <message>
        <source>Present Value</source>
        <translation>当前值</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Address range in [0-FFFF]</source>
        <translation>地址范围为 [0-FFFF]</translation>
    </message>
    <message>
        <source>MODBUS (Dec) range in [000001-065536] or [100001-165536]</source>
        <translation>MODBUS (十进制) 范围为 [000001-065536] 或 [100001-165536]</translation>
    </message>
    <message>
        <source>MODBUS (Dec) range in [300001-365536] or [400001-465536]</source>
        <translation>MODBUS (十进制) 范围为 [300001-365536] 或 [400001-465536]</translation>
    </message>
    <message>
        <source>Amount range in [1-100]</source>
        <translation>数量范围为 [1-100]</translation>
    </message>
    <message>
        <source>%1 points of this table are not shown: the monitor shows the first 100</source>
        <translation>此表有 %1 个点未显示：监控只显示前 100 个</translation>
    </message>
</context>
</TS>
