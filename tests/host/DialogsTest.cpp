// The host's settings dialogs: the transport settings go through PortLink
// into PortLink.ini of the host folder; the language goes into the settings.
#include <QFile>
#include <QLineEdit>
#include <QSettings>

#include "CommSettingsDialog.h"
#include "LanguageDialog.h"
#include "TransportSettings.h"
#include "frame/GuiTestSupport.h"

namespace gw::host {
namespace {

QString ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

TEST(CommSettingsDialog, StoresTheSettingsThroughTheTransport) {
  test::GuiEnvironment env(QStringLiteral("127.0.0.50"));
  CommSettingsDialog dialog(nullptr);
  const TransportSettings shown = dialog.Shown();
  EXPECT_EQ(shown.commType, 1);
  EXPECT_EQ(shown.remoteAddress, 0x7F000032u);

  TransportSettings changed = shown;
  changed.remoteAddress = 0x7F000009;
  dialog.Show(changed);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(ReadFile(env.Path("Config/PortLink.ini")).contains("RemoteIP=127.0.0.9"));

  changed.commType = 0;
  changed.comPort = 3;
  changed.comDevice = QStringLiteral("/dev/ttyUSB7");
  CommSettingsDialog serial(nullptr);
  serial.Show(changed);
  serial.accept();
  const QString ini = ReadFile(env.Path("Config/PortLink.ini"));
  EXPECT_TRUE(ini.contains("CommType=0")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("COM3=/dev/ttyUSB7")) << ini.toStdString();
  EXPECT_EQ(CommSettingsDialog(nullptr).Shown().comDevice, "/dev/ttyUSB7");
}

TEST(CommSettingsDialog, RefusesABadRemoteAddress) {
  test::GuiEnvironment env(QStringLiteral("127.0.0.51"));
  for (const char* bad : {"127.0.0.300", "10.0.0", "0x7f.0.0.1", "+1.2.3.4", "1.2.3.04"}) {
    SCOPED_TRACE(bad);
    env.messages.clear();
    CommSettingsDialog dialog(nullptr);
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
      if (edit->text() == "127.0.0.51") edit->setText(QString::fromLatin1(bad));
    }
    EXPECT_FALSE(dialog.Problem().isEmpty());
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(env.messages.size(), 1u);
    EXPECT_TRUE(ReadFile(env.Path("Config/PortLink.ini")).contains("RemoteIP=127.0.0.51"));
  }
}

TEST(LanguageDialog, WritesTheIdThePluginReads) {
  test::GuiEnvironment env;
  EXPECT_EQ(StoredLanguageId(), 1033u);
  LanguageDialog dialog(nullptr);
  EXPECT_EQ(dialog.Chosen(), 1033u);
  StoreLanguageId(2052);
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "GwSuite");
  EXPECT_EQ(settings.value("LanguageId").toUInt(), 2052u);
  EXPECT_EQ(LanguageDialog(nullptr).Chosen(), 2052u);
}

}  // namespace
}  // namespace gw::host
