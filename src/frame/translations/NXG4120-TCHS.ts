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
</context>
</TS>
