<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>NXG4120-T</name>
    <message>
        <source>
NXG4120-T searching...</source>
        <translation>
正在搜尋 NXG4120-T...</translation>
    </message>
    <message>
        <source>
Inquire module information...</source>
        <translation>
正在查詢模組資訊...</translation>
    </message>
    <message>
        <source>Cannot open the specified device</source>
        <translation>無法開啟指定的裝置</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通訊錯誤</translation>
    </message>
    <message>
        <source>No NXG4120-T module found</source>
        <translation>找不到 NXG4120-T 模組</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失敗</translation>
    </message>
    <message>
        <source>The network connection is working.
Modifying any parameter may cause connection terminated!!</source>
        <translation>網路連線正在運作中。
修改任何參數都可能導致連線中斷！！</translation>
    </message>
    <message>
        <source>Modification has failed. There are other users modidying the module now</source>
        <translation>修改失敗。目前有其他使用者正在修改此模組</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>處理中...</translation>
    </message>
    <message>
        <source>Module type does not match NXG4120</source>
        <translation>模組類型與 NXG4120 不符</translation>
    </message>
    <message>
        <source>Firmware version dose not match</source>
        <translation>韌體版本不符</translation>
    </message>
    <message>
        <source>Shows or hides Workspace window
Workspace</source>
        <translation>顯示或隱藏工作區視窗
工作區</translation>
    </message>
    <message>
        <source>Shows or hides the Output window
Output</source>
        <translation>顯示或隱藏輸出視窗
輸出</translation>
    </message>
    <message>
        <source>Refresh current view
Refresh</source>
        <translation>重新整理目前的檢視
重新整理</translation>
    </message>
    <message>
        <source>Communication parameters setting
Communication setting</source>
        <translation>通訊參數設定
通訊設定</translation>
    </message>
    <message>
        <source>Language Setup</source>
        <translation>語言設定</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>建立新文件
新增</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>開啟現有文件
開啟</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>儲存使用中的文件
儲存</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新名稱儲存使用中的文件
另存新檔</translation>
    </message>
    <message>
        <source>GwSuite User Manual</source>
        <translation>GwSuite 使用手冊</translation>
    </message>
    <message>
        <source>Search NXG4120 module</source>
        <translation>搜尋 NXG4120 模組</translation>
    </message>
    <message>
        <source>IP search NXG4120 module</source>
        <translation>以 IP 搜尋 NXG4120 模組</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概觀</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP 校時</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>監控</translation>
    </message>
    <message>
        <source>Slave Mode</source>
        <translation>從站模式</translation>
    </message>
    <message>
        <source>IP Filter</source>
        <translation>IP 過濾</translation>
    </message>
    <message>
        <source>User Define</source>
        <translation>使用者定義</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>NXG4120 Config File (*.mod)|*.mod||</source>
        <translation>NXG4120 設定檔 (*.mod)|*.mod||</translation>
    </message>
</context>
</TS>
