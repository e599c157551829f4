// nxgcfg as a user runs it: through its command line, against nxgsim.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "Programs.h"
#include "support/SimHarness.h"

namespace gw::test {
namespace {

using Json = nlohmann::json;

// Every test has its own simulator address, so the tests run side by side.
struct Nxgcfg : ::testing::Test {
  static std::string Address(int last) { return "127.0.30." + std::to_string(last); }
};

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(Nxgcfg, SearchListsModulesByNumberAndKeepsThemForLaterCommands) {
  const std::string address = Address(1);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "3", "--module-numbers", "2,300,1",
                 "--names", "Mixer,Dock,Boiler"});
  ASSERT_TRUE(sim.WaitReady());

  const auto search = home.Nxgcfg({"search", "--ip", address, "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  const Json list = Json::parse(search.out);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0]["moduleNumber"], 1);
  EXPECT_EQ(list[0]["name"], "Boiler");
  EXPECT_EQ(list[1]["moduleNumber"], 2);
  EXPECT_EQ(list[2]["moduleNumber"], 300);
  EXPECT_EQ(list[2]["index"], 2);

  // The text listing has the node list's labels.
  const auto text = home.Nxgcfg({"search", "--ip", address});
  EXPECT_NE(text.out.find("#002  300"), std::string::npos) << text.out;

  // Later commands find the modules by number, index and MAC.
  const auto show = home.Nxgcfg({"show", "300", "--json"});
  ASSERT_EQ(show.exitCode, 0) << show.err;
  EXPECT_EQ(Json::parse(show.out)["Basic"]["Module Name"], "Dock");
  EXPECT_EQ(home.Nxgcfg({"show", "#0"}).exitCode, 0);
  const std::string mac = list[1]["mac"];
  const auto read = home.Nxgcfg({"read", mac, "11", "--json"});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(Json::parse(read.out)["size"], 128);

  // Every address found is in the IP list, once.
  const std::string ipList = home.ReadConfig("IPList.ini");
  EXPECT_NE(ipList.find("IPCount=3"), std::string::npos) << ipList;
}

TEST_F(Nxgcfg, DuplicateMacAndForeignModulesAreLeftOut) {
  const std::string address = Address(2);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "4", "--duplicate-mac", "--foreign-type", "2"});
  ASSERT_TRUE(sim.WaitReady());
  const auto search = home.Nxgcfg({"search", "--ip", address, "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out).size(), 2u);
}

TEST_F(Nxgcfg, ASearchTakesAtMost253Modules) {
  const std::string address = Address(3);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "300"});
  ASSERT_TRUE(sim.WaitReady());
  const auto search = home.Nxgcfg({"search", "--ip", address, "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out).size(), 253u);
  // The kept list is cut to what the store holds, and the user is told.
  EXPECT_NE(search.err.find("168 were left out"), std::string::npos) << search.err;
}

TEST_F(Nxgcfg, NothingFoundAndUnknownModulesFailWithAReason) {
  CliHome home(Address(4));  // no simulator there
  const auto search = home.Nxgcfg({"search", "--ip", Address(4)});
  EXPECT_EQ(search.exitCode, 1);
  EXPECT_NE(search.err.find("No NXG4120-T module found"), std::string::npos) << search.err;

  const auto show = home.Nxgcfg({"show", "1"});
  EXPECT_EQ(show.exitCode, 1);
  EXPECT_NE(show.err.find("run 'nxgcfg search' first"), std::string::npos) << show.err;

  const auto usage = home.Nxgcfg({"show"});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_EQ(home.Nxgcfg({"read", "1", "3"}).exitCode, 2);
  EXPECT_EQ(home.Nxgcfg({"search", "--ip", "not-an-address"}).exitCode, 2);
}

TEST_F(Nxgcfg, ModuleReferencesThatMatchNothingSayWhy) {
  const std::string address = Address(5);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "2", "--module-numbers", "7,7"});
  ASSERT_TRUE(sim.WaitReady());
  ASSERT_EQ(home.Nxgcfg({"search", "--ip", address}).exitCode, 0);
  const auto ambiguous = home.Nxgcfg({"show", "7"});
  EXPECT_EQ(ambiguous.exitCode, 1);
  EXPECT_NE(ambiguous.err.find("2 modules have module number 7"), std::string::npos);
  EXPECT_NE(home.Nxgcfg({"show", "#9"}).err.find("there is no #9"), std::string::npos);
  EXPECT_NE(home.Nxgcfg({"show", "00:11:22:33:44:55"}).err.find("No module with MAC address"),
            std::string::npos);
  EXPECT_NE(home.Nxgcfg({"show", "kitchen"}).err.find("is not a MAC address"), std::string::npos);
}

TEST_F(Nxgcfg, LoginTakesThePasswordFromTheEnvironmentOnly) {
  const std::string address = Address(6);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "1", "--locked", "1", "--password", "abcd"});
  ASSERT_TRUE(sim.WaitReady());
  const auto search = home.Nxgcfg({"search", "--ip", address, "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out)[0]["locked"], true);

  const auto wrong = home.Nxgcfg({"login", "#0"}, {"NXGCFG_PASSWORD=zzzz"});
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_NE(wrong.err.find("Authentication failed"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.out.find("zzzz"), std::string::npos);

  const auto right = home.Nxgcfg({"login", "#0"}, {"NXGCFG_PASSWORD=abcd"});
  EXPECT_EQ(right.exitCode, 0) << right.err;
  EXPECT_EQ(right.out.find("abcd"), std::string::npos);

  // Without a terminal or the variable there is no password to take.
  const auto none = home.Nxgcfg({"login", "#0"});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_NE(none.err.find("NXGCFG_PASSWORD"), std::string::npos);
}

TEST_F(Nxgcfg, FactoryResetAsksFirst) {
  const std::string address = Address(7);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "1"});
  ASSERT_TRUE(sim.WaitReady());
  ASSERT_EQ(home.Nxgcfg({"search", "--ip", address}).exitCode, 0);
  const auto unconfirmed = home.Nxgcfg({"factory-reset", "#0"});
  EXPECT_EQ(unconfirmed.exitCode, 1);
  EXPECT_NE(unconfirmed.err.find("Return to factory setting"), std::string::npos);
  const auto reset = home.Nxgcfg({"factory-reset", "#0", "--yes"});
  EXPECT_EQ(reset.exitCode, 0) << reset.err;
  EXPECT_NE(reset.err.find("Configuration is successful"), std::string::npos);
}

TEST_F(Nxgcfg, ExportedFilesDecodeWithoutAModuleAndBadFilesAreRefused) {
  const std::string address = Address(8);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "1", "--names", "Boiler"});
  ASSERT_TRUE(sim.WaitReady());
  ASSERT_EQ(home.Nxgcfg({"search", "--ip", address}).exitCode, 0);
  const std::string file = (home.Root() / "boiler.mod").string();
  const auto exported = home.Nxgcfg({"export", "#0", file});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(std::filesystem::file_size(file), 7386u);

  const auto decoded = home.Nxgcfg({"decode", file, "--json"});
  ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
  EXPECT_EQ(Json::parse(decoded.out)["Overview"]["Module Name"], "Boiler");

  std::filesystem::resize_file(file, 7000);
  const auto shortFile = home.Nxgcfg({"decode", file});
  EXPECT_EQ(shortFile.exitCode, 1);
  EXPECT_NE(shortFile.err.find("past its end"), std::string::npos) << shortFile.err;
  const auto missing = home.Nxgcfg({"decode", file + ".none"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("was not found"), std::string::npos);
  home.WriteConfig("other.mod", std::string(7386, '\x11'));
  const auto foreign = home.Nxgcfg({"decode", (home.Config() / "other.mod").string()});
  EXPECT_EQ(foreign.exitCode, 1);
  EXPECT_NE(foreign.err.find("Module type does not match NXG4120"), std::string::npos);
}

TEST_F(Nxgcfg, AnInquiryThatLosesABlockSaysSoAndStops) {
  const std::string address = Address(9);
  CliHome home(address);
  SimProcess sim({"--address", address, "--modules", "1", "--quiet-block", "9"});
  ASSERT_TRUE(sim.WaitReady());
  ASSERT_EQ(home.Nxgcfg({"search", "--ip", address}).exitCode, 0);
  const auto show = home.Nxgcfg({"show", "#0"});
  EXPECT_EQ(show.exitCode, 1);
  EXPECT_EQ(Count(show.err, "Losss APD9"), 5) << show.err;
  EXPECT_NE(show.err.find("Communication error"), std::string::npos);
  EXPECT_EQ(show.out, "");
}

TEST_F(Nxgcfg, TheIpSearchTakesTheSettingsFileAddress) {
  const std::string address = Address(10);
  CliHome home("127.0.30.250");  // the link points elsewhere
  // 127.0.30.10 as one signed decimal number, as the settings file holds it.
  home.WriteConfig("NXG4120-T.ini", "[CommConf]\nIPAddress=2130714122\n");
  SimProcess sim({"--address", address, "--modules", "1"});
  ASSERT_TRUE(sim.WaitReady());
  const auto search = home.Nxgcfg({"search", "--settings-address", "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out).size(), 1u);
  EXPECT_NE(home.ReadConfig("PortLink.ini").find("RemoteIP=" + address), std::string::npos);
}

TEST_F(Nxgcfg, LinkSettingsAreShownAndChanged) {
  CliHome home(Address(11));
  const auto shown = home.Nxgcfg({"link", "--json"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(Json::parse(shown.out)["remoteAddress"], Address(11));
  const auto serial = home.Nxgcfg({"link", "--serial", "COM3", "--device", "/dev/ttyUSB1", "--json"});
  ASSERT_EQ(serial.exitCode, 0) << serial.err;
  const Json j = Json::parse(serial.out);
  EXPECT_EQ(j["commType"], "serial");
  EXPECT_EQ(j["comPort"], 3);
  EXPECT_EQ(j["device"], "/dev/ttyUSB1");
  EXPECT_EQ(home.Nxgcfg({"link", "--ethernet", "127.0.30.12"}).exitCode, 0);
  EXPECT_NE(home.ReadConfig("PortLink.ini").find("RemoteIP=127.0.30.12"), std::string::npos);
  EXPECT_EQ(home.Nxgcfg({"link", "--serial", "LPT1"}).exitCode, 2);
}

TEST_F(Nxgcfg, EveryCommandHasHelp) {
  CliHome home(Address(13));
  for (const char* command : {"search", "show", "read", "login", "factory-reset", "export", "decode", "link"}) {
    const auto help = home.Nxgcfg({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_NE(help.out.find("Usage"), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace gw::test
