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
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Device Overview</source>
        <translation>裝置概觀</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>模組</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>DI / DO Point</source>
        <translation>DI / DO 點數</translation>
    </message>
    <message>
        <source>Module Name</source>
        <translation>模組名稱</translation>
    </message>
    <message>
        <source>Master Configuration</source>
        <translation>主從設定</translation>
    </message>
    <message>
        <source>Serial Master</source>
        <translation>序列埠主站</translation>
    </message>
    <message>
        <source>Serial Slave</source>
        <translation>序列埠從站</translation>
    </message>
    <message>
        <source>Serial Device Server</source>
        <translation>序列裝置伺服器</translation>
    </message>
    <message>
        <source>IP Configuration</source>
        <translation>IP 設定</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>靜態</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Enable IPv6</source>
        <translation>啟用 IPv6</translation>
    </message>
    <message>
        <source>COM Protocol Setup</source>
        <translation>COM 協定設定</translation>
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
        <translation>使用者定義 COM1 (RS-232)</translation>
    </message>
    <message>
        <source>User Define COM2 (RS-485)</source>
        <translation>使用者定義 COM2 (RS-485)</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>Data Length</source>
        <translation>資料位元</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>同位檢查</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇同位</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶同位</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位元</translation>
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
        <translation>站號</translation>
    </message>
    <message>
        <source>Keep Alive Time (s)</source>
        <translation>連線保持時間 (s)</translation>
    </message>
    <message>
        <source>(5 - 65535 s)</source>
        <translation>(5 - 65535 s)</translation>
    </message>
    <message>
        <source>Modbus Timeout  (ms)</source>
        <translation>Modbus 逾時 (ms)</translation>
    </message>
    <message>
        <source>(5 - 65535 ms)</source>
        <translation>(5 - 65535 ms)</translation>
    </message>
    <message>
        <source>Delay Time  (ms)</source>
        <translation>延遲時間 (ms)</translation>
    </message>
    <message>
        <source>(0 - 65535 ms)</source>
        <translation>(0 - 65535 ms)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>序列埠</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>計時器</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Station range in [1-247]</source>
        <translation>站號範圍為 [1-247]</translation>
    </message>
    <message>
        <source>%1 is not a valid value: %2 to %3</source>
        <translation>%1 不是有效的值：%2 到 %3</translation>
    </message>
    <message>
        <source>Master Configuration : [Dual Mode] does not support MODBUS protocol</source>
        <translation>主從設定：[Dual Mode] 不支援 MODBUS 協定</translation>
    </message>
    <message>
        <source>Master Configuration : [Dual Mode] does not support User Define COM2 (RS-485)</source>
        <translation>主從設定：[Dual Mode] 不支援使用者定義 COM2 (RS-485)</translation>
    </message>
    <message>
        <source>RS-232 is specified by COM Protocol and will be invalid for configuration.
Future modification can be done only by Ethernet.</source>
        <translation>RS-232 已指定給 COM 協定使用，將無法再用於設定。
之後只能透過乙太網路進行修改。</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>密碼設定</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>確認密碼</translation>
    </message>
    <message>
        <source>Load Factory Default</source>
        <translation>載入出廠預設值</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>恢復出廠設定</translation>
    </message>
    <message>
        <source>Parameters Import  / Export</source>
        <translation>參數匯入 / 匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>驗證失敗</translation>
    </message>
    <message>
        <source>Password input error</source>
        <translation>密碼輸入錯誤</translation>
    </message>
    <message>
        <source>Configuration is successful</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>Configuration is failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>Return to factory setting</source>
        <translation>是否恢復出廠設定？</translation>
    </message>
    <message>
        <source>Enable IP Filter  (Only the IP address listed below are allowed to access)</source>
        <translation>啟用 IP 過濾  (只允許下列 IP 位址存取)</translation>
    </message>
    <message>
        <source>IP Filter Setup</source>
        <translation>IP 過濾設定</translation>
    </message>
    <message>
        <source>Subnet Netmask</source>
        <translation>子網路遮罩</translation>
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
