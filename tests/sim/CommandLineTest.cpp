// The command line makes the modules it names, and says clearly what is wrong.
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace gw::sim {
namespace {

Options Parse(std::vector<std::string> args) {
  std::string error;
  auto o = ParseCommandLine(args, error);
  EXPECT_TRUE(o) << error;
  return o.value_or(Options{});
}

TEST(CommandLine, ModulesFromTheOptions) {
  const auto o = Parse({"--address",
                        "127.0.0.9",
                        "--modules",
                        "3",
                        "--module-numbers",
                        "2,300",
                        "--firmware=1.54,1.55",
                        "--locked",
                        "2",
                        "--password",
                        "pw",
                        "--foreign-type",
                        "3",
                        "--mac-base",
                        "00:60:E9:00:00:FE",
                        "--names",
                        "North,South",
                        "--ip-base",
                        "127.5.0.1",
                        "--fault",
                        "drop:2",
                        "--fault",
                        "delay=100",
                        "--fault-modules",
                        "1,3",
                        "--quiet-block",
                        "13,44",
                        "--login-timeout",
                        "0",
                        "--modbus-port",
                        "1502",
                        "--modbus-step",
                        "0"});
  ASSERT_EQ(o.address, 0x7F000009u);
  const auto& m = o.settings.modules;
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].moduleNumber, 2);
  EXPECT_EQ(m[1].moduleNumber, 300);
  EXPECT_EQ(m[2].moduleNumber, 3);
  EXPECT_EQ(m[0].firmware, 0x0154);
  EXPECT_EQ(m[2].firmware, 0x0155);  // the last one given holds for the rest
  EXPECT_EQ(m[0].password, "");
  EXPECT_EQ(m[1].password, "pw");
  EXPECT_EQ(m[2].moduleType, 0xF300);
  EXPECT_EQ(m[1].mac, (MacAddress{0x00, 0x60, 0xE9, 0x00, 0x00, 0xFF}));
  EXPECT_EQ(m[2].mac, (MacAddress{0x00, 0x60, 0xE9, 0x00, 0x01, 0x00}));
  EXPECT_EQ(m[1].name, "South");
  EXPECT_FALSE(m[2].name.empty());
  EXPECT_EQ(m[2].ipAddress, 0x7F050003u);
  EXPECT_EQ(o.settings.faults.size(), 2u);
  EXPECT_EQ(o.settings.faultModules, (std::vector<int>{1, 3}));
  EXPECT_EQ(o.settings.quietBlocks, (std::vector<int>{13, 44}));
  EXPECT_EQ(o.settings.loginTimeout.count(), 0);
  EXPECT_EQ(o.modbusPort, 1502);
  EXPECT_EQ(o.settings.modbusStep.count(), 0);
}

TEST(CommandLine, DefaultsDifferBetweenAddressesAndDuplicateMacRepeatsTheFirst) {
  const auto a = Parse({"--address", "127.0.0.5", "--modules", "2", "--duplicate-mac"});
  const auto b = Parse({"--address", "127.0.0.6"});
  EXPECT_EQ(a.settings.modules[1].mac, a.settings.modules[0].mac);
  EXPECT_NE(a.settings.modules[0].mac, b.settings.modules[0].mac);
  EXPECT_NE(a.settings.modules[0].ipAddress, b.settings.modules[0].ipAddress);
  EXPECT_EQ(a.port, 20006);
  EXPECT_EQ(a.modbusPort, 502);
  EXPECT_EQ(a.settings.modbusStep.count(), 1000);
  EXPECT_EQ(Parse({"--address", "127.0.0.5", "--modbus-port", "0"}).modbusPort, 0);
  const auto s = Parse({"--serial", "--link", "/tmp/x", "--pace"});
  EXPECT_TRUE(s.serial && s.pace && !s.address);
  EXPECT_EQ(Parse({"--serial", "--quiet-block", "0"}).settings.quietBlocks, std::vector<int>{0});
  EXPECT_TRUE(Parse({"--help"}).help);
}

TEST(CommandLine, BadInputIsNamed) {
  // The arguments and a word the message must hold.
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{}, "nothing to listen on"},
      {{"--address", "192.168.1.5"}, "192.168.1.5"},  // not loopback
      {{"--address", "127.0.0.300"}, "--address"},
      {{"--address"}, "--address"},  // missing value
      {{"--address", "127.0.0.1", "--modules", "0"}, "--modules"},
      {{"--address", "127.0.0.1", "--locked", "2"}, "module 2"},  // only one module
      {{"--address", "127.0.0.1", "--firmware", "1.5"}, "--firmware"},
      {{"--address", "127.0.0.1", "--fault", "melt"}, "melt"},
      {{"--address", "127.0.0.1", "--fault-modules", "2"}, "module 2"},
      {{"--address", "127.0.0.1", "--fault-modules", "0"}, "--fault-modules"},
      {{"--address", "127.0.0.1", "--quiet-block", "3"}, "--quiet-block"},
      {{"--address", "127.0.0.1", "--password", "toolong"}, "--password"},
      {{"--address", "127.0.0.1", "--ip-base", "10.0.0.1"}, "--ip-base"},
      {{"--address", "127.0.0.1", "--link", "/tmp/x"}, "--serial"},
      {{"--address", "127.0.0.1", "--pace"}, "--serial"},
      {{"--address", "127.0.0.1", "--port", "0"}, "--port"},
      {{"--address", "127.0.0.1", "--modbus-port", "65536"}, "--modbus-port"},
      {{"--address", "127.0.0.1", "--modbus-step", "-1"}, "--modbus-step"},
      {{"--address", "127.0.0.1", "--fault", "invalid-points=3"}, "delay"},
      {{"--address", "127.0.0.1", "--foreign-type", "0"}, "--foreign-type"},
      {{"--address", "127.0.0.1", "--duplicate-mac"}, "--duplicate-mac"},
      {{"--address", "127.0.0.1", "--verbose=yes"}, "verbose"},
      {{"--address", "127.0.0.1", "--frobnicate"}, "--frobnicate"},
  };
  for (const auto& [args, named] : bad) {
    std::string error;
    EXPECT_FALSE(ParseCommandLine(args, error)) << named;
    EXPECT_NE(error.find(named), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace gw::sim
