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
        <source>Enter 64 characters only</source>
        <translation>只能輸入 64 個字元</translation>
    </message>
    <message>
        <source>The entered recipient email is incorrect</source>
        <translation>輸入的收件人郵箱不正確</translation>
    </message>
    <message>
        <source>Mail address cannot be empty</source>
        <translation>郵件地址不能為空</translation>
    </message>
    <message>
        <source>Subject of Alarm</source>
        <translation>警報主旨</translation>
    </message>
    <message>
        <source>Alarm-1</source>
        <translation>警報-1</translation>
    </message>
    <message>
        <source>Alarm-2</source>
        <translation>警報-2</translation>
    </message>
    <message>
        <source>Alarm-3</source>
        <translation>警報-3</translation>
    </message>
    <message>
        <source>Mail Address</source>
        <translation>郵件地址</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>下降緣</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>上升緣</translation>
    </message>
    <message>
        <source>Station range in [1-255]</source>
        <translation>站號範圍為 [1-255]</translation>
    </message>
    <message>
        <source>IP Address format is [192.168.1.1]</source>
        <translation>IP 位址格式為 [192.168.1.1]</translation>
    </message>
    <message>
        <source>Relay IP Address</source>
        <translation>轉發 IP 位址</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警報</translation>
    </message>
    <message>
        <source>Alarm-1, X0</source>
        <translation>警報-1, X0</translation>
    </message>
    <message>
        <source>Alarm-2, X1</source>
        <translation>警報-2, X1</translation>
    </message>
    <message>
        <source>Alarm-3, X2</source>
        <translation>警報-3, X2</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>觸發</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP 伺服器</translation>
    </message>
    <message>
        <source>Mail From</source>
        <translation>寄件者</translation>
    </message>
    <message>
        <source>E-mail Subject of Alarm</source>
        <translation>警報郵件主旨</translation>
    </message>
    <message>
        <source>Recipient E-mail Address</source>
        <translation>收件者郵件地址</translation>
    </message>
    <message>
        <source>Serial Slave Mode</source>
        <translation>序列埠從站模式</translation>
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
    <message>
        <source>(GMT-12:00) Eniwetok, Kwajalein </source>
        <translation>(GMT-12:00) 安尼威托克島，瓜加林島 </translation>
    </message>
    <message>
        <source>(GMT-11:00) Midway Island, Samoa</source>
        <translation>(GMT-11:00) 中途島，薩摩亞群島</translation>
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
        <translation>(GMT-08:00) 太平洋時間 (美國和加拿大)；提華納</translation>
    </message>
    <message>
        <source>(GMT-07:00) Arizona</source>
        <translation>(GMT-07:00) 亞歷桑那</translation>
    </message>
    <message>
        <source>(GMT-07:00) Mountain Time (US &amp; Canada)</source>
        <translation>(GMT-07:00) 山區時間 (美國和加拿大)</translation>
    </message>
    <message>
        <source>(GMT-06:00) Central America</source>
        <translation>(GMT-06:00) 中美洲</translation>
    </message>
    <message>
        <source>(GMT-06:00) Central Time (US &amp; Canada)</source>
        <translation>(GMT-06:00) 中部時間 (美國和加拿大)</translation>
    </message>
    <message>
        <source>(GMT-06:00) Mexico City</source>
        <translation>(GMT-06:00) 墨西哥市</translation>
    </message>
    <message>
        <source>(GMT-06:00) Saskatchewan</source>
        <translation>(GMT-06:00) 薩克其萬</translation>
    </message>
    <message>
        <source>(GMT-05:00) Bogota, Lima, Quito</source>
        <translation>(GMT-05:00) 波哥大，利馬，基多</translation>
    </message>
    <message>
        <source>(GMT-05:00) Eastern Time (US &amp; Canada)</source>
        <translation>(GMT-05:00) 東部時間 (美國和加拿大)</translation>
    </message>
    <message>
        <source>(GMT-05:00) Indiana (East)</source>
        <translation>(GMT-05:00) 印第安那州 (東部)</translation>
    </message>
    <message>
        <source>(GMT-04:00) Atlantic Time (Canada)</source>
        <translation>(GMT-04:00) 大西洋時間 (加拿大)</translation>
    </message>
    <message>
        <source>(GMT-04:00) Caracas, La Paz</source>
        <translation>(GMT-04:00) 卡拉卡斯，拉巴斯</translation>
    </message>
    <message>
        <source>(GMT-04:00) Santiago</source>
        <translation>(GMT-04:00) 聖地牙哥</translation>
    </message>
    <message>
        <source>(GMT-03:30) Newfoundland</source>
        <translation>(GMT-03:30) 紐芬蘭</translation>
    </message>
    <message>
        <source>(GMT-03:00) Brasilia</source>
        <translation>(GMT-03:00) 巴西利亞</translation>
    </message>
    <message>
        <source>(GMT-03:00) Buenos Aires, Georgetown</source>
        <translation>(GMT-03:00) 布宜諾斯艾利斯，喬治城</translation>
    </message>
    <message>
        <source>(GMT-03:00) Greenland</source>
        <translation>(GMT-03:00) 格陵蘭</translation>
    </message>
    <message>
        <source>(GMT-02:00) Mid-Atlantic</source>
        <translation>(GMT-02:00) 大西洋中部</translation>
    </message>
    <message>
        <source>(GMT-01:00) Azores</source>
        <translation>(GMT-01:00) 亞速爾群島</translation>
    </message>
    <message>
        <source>(GMT-01:00) Cape Verde Is.</source>
        <translation>(GMT-01:00) 維德角群島</translation>
    </message>
    <message>
        <source>(GMT) Casablanca, Monrovia</source>
        <translation>(GMT) 卡薩布蘭卡，蒙羅維亞</translation>
    </message>
    <message>
        <source>(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London</source>
        <translation>(GMT) 格林威治標準時間：都柏林，愛丁堡，里斯本，倫敦</translation>
    </message>
    <message>
        <source>(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation>(GMT+01:00) 阿姆斯特丹，柏林，伯恩，羅馬，斯德哥爾摩，維也納</translation>
    </message>
    <message>
        <source>(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation>(GMT+01:00) 貝爾格勒，布拉提斯拉瓦，布達佩斯，盧布亞納，布拉格</translation>
    </message>
    <message>
        <source>(GMT+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(GMT+01:00) 布魯塞爾，哥本哈根，馬德里，巴黎</translation>
    </message>
    <message>
        <source>(GMT+01:00) Sarajevo, Skopje, Sofija, Vilnius, Warsaw, Zagreb</source>
        <translation>(GMT+01:00) 塞拉耶佛，斯高彼亞，索非亞，維爾紐斯，華沙，札格雷布</translation>
    </message>
    <message>
        <source>(GMT+01:00) West Central Africa</source>
        <translation>(GMT+01:00) 中非西部</translation>
    </message>
    <message>
        <source>(GMT+02:00) Athens, Istanbul, Minsk</source>
        <translation>(GMT+02:00) 雅典，伊斯坦堡，明斯克</translation>
    </message>
    <message>
        <source>(GMT+02:00) Bucharest</source>
        <translation>(GMT+02:00) 布加勒斯特</translation>
    </message>
    <message>
        <source>(GMT+02:00) Cairo</source>
        <translation>(GMT+02:00) 開羅</translation>
    </message>
    <message>
        <source>(GMT+02:00) Harare, Pretoria</source>
        <translation>(GMT+02:00) 哈拉雷，普利托里亞</translation>
    </message>
    <message>
        <source>(GMT+02:00) Helsinki, Riga, Tallinn</source>
        <translation>(GMT+02:00) 赫爾辛基，里加，塔林</translation>
    </message>
    <message>
        <source>(GMT+02:00) Jerusalem</source>
        <translation>(GMT+02:00) 耶路撒冷</translation>
    </message>
    <message>
        <source>(GMT+03:00) Baghdad</source>
        <translation>(GMT+03:00) 巴格達</translation>
    </message>
    <message>
        <source>(GMT+03:00) Kuwait, Riyadh</source>
        <translation>(GMT+03:00) 科威特，利雅德</translation>
    </message>
    <message>
        <source>(GMT+03:00) Moscow, St. Petersburg, Volgograd</source>
        <translation>(GMT+03:00) 莫斯科，聖彼得堡，伏爾加格勒</translation>
    </message>
    <message>
        <source>(GMT+03:00) Nairobi</source>
        <translation>(GMT+03:00) 奈洛比</translation>
    </message>
    <message>
        <source>(GMT+03:30) Tehran</source>
        <translation>(GMT+03:30) 德黑蘭</translation>
    </message>
    <message>
        <source>(GMT+04:00) Abu Dhabi, Muscat</source>
        <translation>(GMT+04:00) 阿布達比，馬斯喀特</translation>
    </message>
    <message>
        <source>(GMT+04:00) Baku, Tbilisi, Yerevan</source>
        <translation>(GMT+04:00) 巴庫，第比利斯，葉里溫</translation>
    </message>
    <message>
        <source>(GMT+04:30) Kabul</source>
        <translation>(GMT+04:30) 喀布爾</translation>
    </message>
    <message>
        <source>(GMT+05:00) Ekaterinburg</source>
        <translation>(GMT+05:00) 葉卡捷琳堡</translation>
    </message>
    <message>
        <source>(GMT+05:00) Islamabad, Karachi, Tashkent</source>
        <translation>(GMT+05:00) 伊斯蘭堡，喀拉蚩，塔什干</translation>
    </message>
    <message>
        <source>(GMT+05:30) Calcutta, Chennai, Mumbai, New Delhi</source>
        <translation>(GMT+05:30) 加爾各答，清奈，孟買，新德里</translation>
    </message>
    <message>
        <source>(GMT+05:45) Kathmandu</source>
        <translation>(GMT+05:45) 加德滿都</translation>
    </message>
    <message>
        <source>(GMT+06:00) Almaty, Novosibirsk</source>
        <translation>(GMT+06:00) 阿拉木圖，新西伯利亞</translation>
    </message>
    <message>
        <source>(GMT+06:00) Astana, Dhaka</source>
        <translation>(GMT+06:00) 阿斯塔納，達卡</translation>
    </message>
    <message>
        <source>(GMT+06:00) Sri Jayawardenepura</source>
        <translation>(GMT+06:00) 斯里哈雅華登尼普拉</translation>
    </message>
    <message>
        <source>(GMT+06:30) Rangoon</source>
        <translation>(GMT+06:30) 仰光</translation>
    </message>
    <message>
        <source>(GMT+07:00) Bangkok, Hanoi, Jakarta</source>
        <translation>(GMT+07:00) 曼谷，河內，雅加達</translation>
    </message>
    <message>
        <source>(GMT+07:00) Krasnoyarsk</source>
        <translation>(GMT+07:00) 克拉斯諾亞爾斯克</translation>
    </message>
    <message>
        <source>(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation>(GMT+08:00) 北京，重慶，香港，烏魯木齊</translation>
    </message>
    <message>
        <source>(GMT+08:00) Irkutsk, Ulaan Bataar</source>
        <translation>(GMT+08:00) 伊爾庫次克，烏蘭巴托</translation>
    </message>
    <message>
        <source>(GMT+08:00) Kuala Lumpur, Singapore</source>
        <translation>(GMT+08:00) 吉隆坡，新加坡</translation>
    </message>
    <message>
        <source>(GMT+08:00) Perth</source>
        <translation>(GMT+08:00) 伯斯</translation>
    </message>
    <message>
        <source>(GMT+08:00) Taipei</source>
        <translation>(GMT+08:00) 台北</translation>
    </message>
    <message>
        <source>(GMT+09:00) Osaka, Sapporo, Tokyo</source>
        <translation>(GMT+09:00) 大阪，札幌，東京</translation>
    </message>
    <message>
        <source>(GMT+09:00) Seoul</source>
        <translation>(GMT+09:00) 首爾</translation>
    </message>
    <message>
        <source>(GMT+09:00) Yakutsk</source>
        <translation>(GMT+09:00) 雅庫次克</translation>
    </message>
    <message>
        <source>(GMT+09:30) Adelaide</source>
        <translation>(GMT+09:30) 阿得雷德</translation>
    </message>
    <message>
        <source>(GMT+09:30) Darwin</source>
        <translation>(GMT+09:30) 達爾文</translation>
    </message>
    <message>
        <source>(GMT+10:00) Brisbane</source>
        <translation>(GMT+10:00) 布里斯本</translation>
    </message>
    <message>
        <source>(GMT+10:00) Canberra, Melbourne, Sydney</source>
        <translation>(GMT+10:00) 坎培拉，墨爾本，雪梨</translation>
    </message>
    <message>
        <source>(GMT+10:00) Guam, Port Moresby</source>
        <translation>(GMT+10:00) 關島，莫士比港</translation>
    </message>
    <message>
        <source>(GMT+10:00) Hobart</source>
        <translation>(GMT+10:00) 荷巴特</translation>
    </message>
    <message>
        <source>(GMT+10:00) Vladivostok</source>
        <translation>(GMT+10:00) 海參崴</translation>
    </message>
    <message>
        <source>(GMT+11:00) Magadan, Solomon Is., New Caledonia</source>
        <translation>(GMT+11:00) 馬加丹，索羅門群島，新喀里多尼亞</translation>
    </message>
    <message>
        <source>(GMT+12:00) Auckland, Wellington</source>
        <translation>(GMT+12:00) 奧克蘭，威靈頓</translation>
    </message>
    <message>
        <source>(GMT+12:00) Fiji, Kamchatka, Marshall Is.</source>
        <translation>(GMT+12:00) 斐濟，堪察加半島，馬紹爾群島</translation>
    </message>
    <message>
        <source>(GMT+13:00) Nuku&apos;alofa</source>
        <translation>(GMT+13:00) 努瓜婁發</translation>
    </message>
    <message>
        <source>Time Server Setup</source>
        <translation>時間伺服器設定</translation>
    </message>
    <message>
        <source>Enable Time Server </source>
        <translation>啟用時間伺服器 </translation>
    </message>
    <message>
        <source>Start Daylight Saving Time</source>
        <translation>啟用日光節約時間</translation>
    </message>
    <message>
        <source>Time Server</source>
        <translation>時間伺服器</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>時區</translation>
    </message>
    <message>
        <source>Clock Setup</source>
        <translation>時鐘設定</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
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
        <translation>電腦</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
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
        <translation>時間錯誤</translation>
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
        <translation>監聽埠</translation>
    </message>
    <message>
        <source>Destination IP</source>
        <translation>目的 IP</translation>
    </message>
    <message>
        <source>Destination Port</source>
        <translation>目的埠</translation>
    </message>
    <message>
        <source>Fix Length</source>
        <translation>固定長度</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>位元組</translation>
    </message>
    <message>
        <source>Start Item</source>
        <translation>起始字元</translation>
    </message>
    <message>
        <source>Bytes,  Start Char (Hex.)</source>
        <translation>位元組，起始字元 (十六進位)</translation>
    </message>
    <message>
        <source>Stop Item</source>
        <translation>結束字元</translation>
    </message>
    <message>
        <source>Bytes,  Stop Char (Hex.)</source>
        <translation>位元組，結束字元 (十六進位)</translation>
    </message>
    <message>
        <source>Listen Port range in [1024-65535]</source>
        <translation>監聽埠範圍為 [1024-65535]</translation>
    </message>
    <message>
        <source>Listen port can&apos;t same as COM2 (RS-485)</source>
        <translation>監聽埠不可與 COM2 (RS-485) 相同</translation>
    </message>
    <message>
        <source>Listen port can&apos;t same as COM1 (RS-232)</source>
        <translation>監聽埠不可與 COM1 (RS-232) 相同</translation>
    </message>
    <message>
        <source>Destination Port range in [1024-65535]</source>
        <translation>目的埠範圍為 [1024-65535]</translation>
    </message>
    <message>
        <source>IP and port can&apos;t same as COM2 (RS-485)</source>
        <translation>IP 與埠不可與 COM2 (RS-485) 相同</translation>
    </message>
    <message>
        <source>IP and port can&apos;t same as COM1 (RS-232)</source>
        <translation>IP 與埠不可與 COM1 (RS-232) 相同</translation>
    </message>
    <message>
        <source>Fix length range in [1-256]</source>
        <translation>固定長度範圍為 [1-256]</translation>
    </message>
    <message>
        <source>The filter does not include this computer (%1). Apply anyway?</source>
        <translation>過濾清單不包含這台電腦 (%1)。仍要套用嗎？</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>趨勢圖</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Log to CSV…</source>
        <translation>記錄到 CSV…</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv||</source>
        <translation>CSV 檔案 (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Cannot open the log file %1</source>
        <translation>無法開啟記錄檔 %1</translation>
    </message>
    <message>
        <source>Cannot write the log file %1</source>
        <translation>無法寫入記錄檔 %1</translation>
    </message>
    <message>
        <source>Bit Device</source>
        <translation>位元裝置</translation>
    </message>
    <message>
        <source>Word Device</source>
        <translation>字組裝置</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>開始監控</translation>
    </message>
    <message>
        <source>Stop Monitor</source>
        <translation>停止監控</translation>
    </message>
    <message>
        <source>MODBUS (Hex)</source>
        <translation>MODBUS (十六進位)</translation>
    </message>
    <message>
        <source>MODBUS (Dec)</source>
        <translation>MODBUS (十進位)</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>Bit Status</source>
        <translation>位元狀態</translation>
    </message>
    <message>
        <source>Present Value</source>
        <translation>目前值</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Address range in [0-FFFF]</source>
        <translation>位址範圍為 [0-FFFF]</translation>
    </message>
    <message>
        <source>MODBUS (Dec) range in [000001-065536] or [100001-165536]</source>
        <translation>MODBUS (十進位) 範圍為 [000001-065536] 或 [100001-165536]</translation>
    </message>
    <message>
        <source>MODBUS (Dec) range in [300001-365536] or [400001-465536]</source>
        <translation>MODBUS (十進位) 範圍為 [300001-365536] 或 [400001-465536]</translation>
    </message>
    <message>
        <source>Amount range in [1-100]</source>
        <translation>數量範圍為 [1-100]</translation>
    </message>
    <message>
        <source>%1 points of this table are not shown: the monitor shows the first 100</source>
        <translation>此表有 %1 個點未顯示：監控只顯示前 100 個</translation>
    </message>
</context>
</TS>
