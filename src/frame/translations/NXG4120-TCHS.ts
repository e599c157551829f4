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
</context>
</TS>
