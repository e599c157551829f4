// nxgcfg's commands that change parameters (set), compare them (diff), list
// their keys (fields) and trace the frames (--trace), against nxgsim.
#include <set>

#include "NxgcfgFixture.h"

namespace gw::test {
namespace {

// These tests take 127.0.151.<n>.
class NxgcfgSetTest : public NxgcfgTest {
 protected:
  NxgcfgSetTest() { subnet = 151; }

  // The keys of `show --json`.
  Json Keys(const std::string& module) {
    const Result show = Nxgcfg({"show", module, "--json"});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    return show.exitCode == 0 ? Json::parse(show.out)["keys"] : Json::object();
  }
  // A running simulator of `modules` modules, the second one locked with "abcd".
  std::unique_ptr<SimProcess> Modules(int last, int modules = 2) {
    auto sim = StartSim(
        last, {"--modules", std::to_string(modules), "--locked", "2", "--password", "abcd"});
    EXPECT_EQ(Nxgcfg({"search", "--ip", Address(last)}).exitCode, 0);
    return sim;
  }
};

TEST_F(NxgcfgSetTest, FieldsListEveryKeyWithItsPageTypeAndAllowedValues) {
  const Result all = Nxgcfg({"fields", "--json"});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  std::map<std::string, Json> byKey;
  for (const Json& f : Json::parse(all.out)) byKey[f["key"]] = f;
  EXPECT_EQ(byKey["overview.mac-address"]["settable"], false);
  EXPECT_EQ(byKey["basic.keep-alive"]["allowed"], "5-65535");
  EXPECT_EQ(byKey["basic.parity"]["allowed"], "None|Odd|Even");
  EXPECT_EQ(byKey["basic.ip-address"]["allowed"], "a.b.c.d with 1-223, 0-254, 0-254, 1-254");
  EXPECT_EQ(byKey["security.password"]["type"], "password");
  EXPECT_EQ(byKey["mail.alarm.2.trigger"]["allowed"], "falling|rising");
  EXPECT_EQ(byKey["mail.recipient.10.alarm-3"]["type"], "switch");
  EXPECT_EQ(byKey["relay.100.station"]["type"], "integer");
  EXPECT_EQ(byKey["ntp.clock"]["allowed"], "pc|YYYY-MM-DDTHH:MM:SS");
  EXPECT_EQ(byKey["ipfilter.8.netmask"]["page"], "IP Filter");
  EXPECT_EQ(byKey["userdef.com2.stop-count"]["allowed"], "1|2|3");
  EXPECT_EQ(byKey["monitor.words.100.number"]["allowed"],
            "300001-365536 or 400001-465536 or empty");
  EXPECT_EQ(byKey["monitor.bits.1.station"]["page"], "Monitor");
  Check({
      {{"fields", "security"}, "", 0, "security.password", ""},
      {{"fields", "Basic"}, "", 0, "basic.module-name", ""},
      {{"fields", "slave mode"}, "", 0, "relay.100.ip", "", "basic."},
      {{"fields", "kitchen"}, "", 2, "", "the pages are Overview, Basic"},
  });
}

// One value per row, each changing exactly its key as show --json sees it.
TEST_F(NxgcfgSetTest, ASetChangesExactlyTheFieldItNames) {
  const auto sim = Modules(1);
  // A row's values change exactly the keys it names; a row may name a value
  // its page refuses next, with the page's message: nothing is sent for it
  // and no key changes.
  struct Row {
    std::vector<std::string> values;
    std::map<std::string, std::string> changes;
    std::string refused = {};
    std::string message = {};
  };
  const Row rows[] = {
      {{"basic.module-name=Boiler"}, {{"basic.module-name", "Boiler"}}},
      {{"basic.keep-alive=30"}, {{"basic.keep-alive", "30"}}},
      {{"basic.parity=odd"}, {{"basic.parity", "Odd"}}},
      {{"basic.netmask=255.255.0.0"}, {{"basic.netmask", "255.255.0.0"}}},
      {{"basic.station-address=200"}, {{"basic.station-address", "200"}}},
      {{"mail.subject.2=Pump stopped"}, {{"mail.subject.2", "Pump stopped"}}},
      {{"mail.recipient.3=ops@example.com"},
       {{"mail.recipient.3", "ops@example.com"}},
       "mail.recipient.3=nobody",
       "The entered recipient email is incorrect"},
      {{"mail.recipient.3.alarm-2=on"},
       {{"mail.recipient.3.alarm-2", "on"}},
       "mail.recipient.4.alarm-1=on",
       "Mail address cannot be empty"},
      // A monitor table's row through the table's editor: the address sets
      // the number and the other way round; the amounts of all rows are at
      // most 100 together.
      {{"monitor.words.2.station=4", "monitor.words.2.address=0200", "monitor.words.2.amount=2"},
       {{"monitor.words.2.station", "4"},
        {"monitor.words.2.address", "0200"},
        {"monitor.words.2.number", "400513"},
        {"monitor.words.2.amount", "2"}},
       "monitor.words.3.amount=101",
       "Amount range in [1-100]"},
      {{"monitor.bits.2.station=9", "monitor.bits.2.number=100256", "monitor.bits.2.amount=90"},
       {{"monitor.bits.2.station", "9"},
        {"monitor.bits.2.address", "00FF"},
        {"monitor.bits.2.number", "100256"},
        {"monitor.bits.2.amount", "90"}},
       "monitor.bits.3.amount=3",
       "Amount range in [1-100]"},
      {{"monitor.bits.2.number=000001"},
       {{"monitor.bits.2.address", "0000"}, {"monitor.bits.2.number", "000001"}},
       "monitor.bits.2.number=065537",
       "MODBUS (Dec) range in [000001-065536] or [100001-165536]"},
      // The time server's entries take values once it is on.
      {{"ntp.time-server=on"}, {{"ntp.time-server", "on"}}},
      {{"ntp.time-zone=(GMT+09:00) Seoul"}, {{"ntp.time-zone", "(GMT+09:00) Seoul"}}},
      {{"ntp.daylight-saving=on"}, {{"ntp.daylight-saving", "on"}}},
      {{"ipfilter.3.netmask=255.255.255.0"}, {{"ipfilter.3.netmask", "255.255.255.0"}}},
      // COM1's User Define entries take values once the module gives it COM1.
      {{"basic.com-protocol=User Define COM1 (RS-232)"},
       {{"basic.com-protocol", "User Define COM1 (RS-232)"}}},
      {{"userdef.com1.listen-port=5000"},
       {{"userdef.com1.listen-port", "5000"}},
       "userdef.com1.listen-port=1023",
       "Listen Port range in [1024-65535]"},
      // The relay table takes values on a Modbus serial slave; a row needs both.
      {{"basic.com-protocol=Modbus COM2 (RS-485)", "basic.master=Serial Slave"},
       {{"basic.com-protocol", "Modbus COM2 (RS-485)"}, {"basic.master", "Serial Slave"}},
       "relay.5.station=256",
       "Station range in [1-255]"},
      // (the module keeps its entries packed: rows 1 and 2 are taken)
      {{"relay.3.station=7", "relay.3.ip=127.0.9.7"},
       {{"relay.3.station", "7"}, {"relay.3.ip", "127.0.9.7"}},
       "relay.5.ip=192.168.1",
       "IP Address format is [192.168.1.1]"},
  };
  // (a serial slave's monitor tables are read-only now)
  for (const Row& row : rows) {
    SCOPED_TRACE(row.values[0]);
    Json expected = Keys("#0");
    for (const auto& [key, value] : row.changes) expected[key] = value;
    std::vector<std::string> args{"set", "#0"};
    args.insert(args.end(), row.values.begin(), row.values.end());
    const Result set = Nxgcfg(args);
    EXPECT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(Keys("#0"), expected);
    if (row.refused.empty()) continue;
    const std::size_t writes = sim->CountLogLines("<- write");
    Check({{{"set", "#0", row.refused}, "", 1, "", row.message}});
    EXPECT_EQ(sim->CountLogLines("<- write"), writes);
    EXPECT_EQ(Keys("#0"), expected);
  }
  Check({{{"set", "#0", "monitor.words.2.station=5"}, "", 1, "", "table read-only"}});
  // The Security page's password: the keys stay, the module is locked after it.
  const Json before = Keys("#0");
  Check({{{"set", "#0", "security.password=-"},
          "NXGCFG_NEW_PASSWORD=wxyz",
          0,
          "",
          "Configuration is successful"}});
  const Result show = Nxgcfg({"show", "#0", "--json"});
  EXPECT_EQ(Json::parse(show.out)["keys"], before);
  EXPECT_EQ(Json::parse(show.out)["Overview"]["Lock State"], "Locked");
}

// What the pages refuse is refused with their message, and nothing is sent;
// a locked module takes a value only after a login in the same run.
TEST_F(NxgcfgSetTest, RefusedValuesAndLockedModulesSendNothing) {
  const auto sim = Modules(2);
  Check({
      {{"set", "#0", "basic.keep-alive=4"}, "", 1, "", "Out of range"},
      {{"set", "#0", "basic.modbus-timeout=70000"}, "", 1, "", "Out of range"},
      {{"set", "#0", "basic.station-address=248"}, "", 1, "", "Station range in [1-247]"},
      {{"set", "#0", "security.password=ab"}, "", 1, "", "Password input error"},
      {{"set", "#0", "security.password=-"}, "", 1, "", "NXGCFG_NEW_PASSWORD"},
      {{"set", "#0", "basic.parity=Mark"}, "", 1, "", "'Mark' is not one of None|Odd|Even"},
      {{"set", "#0", "basic.ip-address=0.1.2.3"}, "", 1, "", "must be 1 to 223"},
      {{"set", "#0", "basic.ip-configuration=DHCP", "basic.gateway=10.0.0.1"},
       "",
       1,
       "",
       "basic.gateway: the page has this control disabled now"},
      {{"set", "#0", "basic.module-name=" + std::string(32, 'x')}, "", 1, "", "at most 31"},
      {{"set", "#0", "ntp.clock=2026-13-01"}, "", 1, "", "neither pc nor"},
      {{"set", "#0", "ntp.time-server=on", "ntp.clock=pc"},
       "",
       1,
       "",
       "ntp.clock: the page has this control disabled now"},
      // A value the page refuses stops the whole run before any page applies.
      {{"set", "#0", "basic.module-name=Dock", "basic.keep-alive=4"}, "", 1, "", "Out of range"},
      {{"set", "#1", "basic.keep-alive=30"}, "", 1, "", "password locked"},
      {{"set", "#1", "basic.keep-alive=30", "--login"},
       "NXGCFG_PASSWORD=zzzz",
       1,
       "",
       "Authentication failed"},
      {{"set", "#0", "overview.module=X"}, "", 2, "", "is shown only"},
      {{"set", "#0", "basic.colour=red"}, "", 2, "", "is not a key"},
      {{"set", "#0", "basic.keep-alive"}, "", 2, "", "is not KEY=VALUE"},
  });
  EXPECT_EQ(sim->CountLogLines("<- write"), 0u);
  Check({{{"set", "#1", "basic.keep-alive=30", "--login"}, "NXGCFG_PASSWORD=abcd", 0, "", ""}});
  EXPECT_EQ(sim->CountLogLines("<- write block 11"), 1u);
  EXPECT_EQ(sim->CountLogLines("<- write"), 1u);
}

// A dry run prints the blocks with the masks the pages set, and sends nothing.
TEST_F(NxgcfgSetTest, ADryRunPrintsTheBlocksAndMasksAndSendsNothing) {
  const auto sim = Modules(3);
  const std::string name = "block 0 (NetworkBlock) mask ";
  const std::string serial = "block 11 (SerialBlock) mask ";
  Check({
      {{"set", "#0", "basic.module-name=Boiler", "--dry-run"},
       "",
       0,
       name + "80000000",
       "",
       serial},
      // A new IP configuration sends the addresses only where they changed.
      {{"set", "#0", "basic.ip-configuration=DHCP", "--dry-run"}, "", 0, name + "02000000", ""},
      {{"set", "#0", "basic.gateway=10.0.0.1", "basic.ip-configuration=DHCP", "--dry-run"},
       "",
       0,
       name + "12000000",
       ""},
      {{"set", "#0", "basic.keep-alive=30", "--dry-run"},
       "",
       0,
       "Basic: " + serial + "80000000",
       "",
       name},
      {{"set", "#0", "security.password=wxyz", "--dry-run"},
       "",
       0,
       "Security: " + name + "08000000\n",
       "",
       "77 78 79 7a"},
      {{"set", "#0", "security.password=wxyz", "--dry-run"}, "", 0, "0030  ** ** ** **", ""},
      // Each monitor table its own write of block 44, under its own mask.
      {{"set", "#0", "monitor.bits.1.amount=2", "monitor.words.1.amount=3", "--dry-run"},
       "",
       0,
       "Monitor: block 44 (DeviceMonitorBlock) mask 80000000\n0000  80 00 00 00 80 64",
       ""},
      {{"set", "#0", "monitor.bits.1.amount=2", "monitor.words.1.amount=3", "--dry-run"},
       "",
       0,
       "Monitor: block 44 (DeviceMonitorBlock) mask 40000000\n0000  40 00 00 00 80 64",
       ""},
      {{"set", "#0", "monitor.words.1.number=465537", "--dry-run"},
       "",
       1,
       "",
       "MODBUS (Dec) range in [300001-365536] or [400001-465536]"},
      {{"set", "#1", "basic.keep-alive=30", "--dry-run", "--login"},
       "NXGCFG_PASSWORD=abcd",
       0,
       serial + "80000000",
       ""},
  });
  const Result json =
      Nxgcfg({"set", "#0", "basic.module-name=A", "basic.parity=Odd", "--dry-run", "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const Json writes = Json::parse(json.out);
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0]["mask"], "80000000");
  EXPECT_EQ(writes[0]["bytes"].get<std::string>().substr(0, 12), "800000004100");
  EXPECT_EQ(writes[1]["block"], 11);
  EXPECT_EQ(sim->CountLogLines("<- write"), 0u);
}

// A write the module does not take: the page's message, then which page and block.
TEST_F(NxgcfgSetTest, AWriteTheModuleRefusesNamesItsPageAndBlock) {
  const auto sim = StartSim(6, {"--modules", "1", "--fault", "refuse"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(6)}).exitCode, 0);
  Check({{{"set", "#0", "basic.keep-alive=30"},
          "",
          1,
          "",
          "Modify failed\nNot every write was taken: Basic page block 11."}});
}

// diff of a module and its own export, before and after a set; set on a file
// rewrites it only when every value was taken.
TEST_F(NxgcfgSetTest, DiffComparesModulesAndFilesAndSetChangesFiles) {
  const auto sim = Modules(4);
  const std::string file = (home.Root() / "mixer.mod").string();
  ASSERT_EQ(Nxgcfg({"export", "#0", file}).exitCode, 0);
  Check({
      {{"diff", "#0", file}, "", 0, "The parameters are equal.", ""},
      {{"diff", "#0", "#1"}, "", 1, "basic.module-name: ", ""},
      {{"set", "#0", "basic.delay-time=9"}, "", 0, "", ""},
  });
  const Result diff = Nxgcfg({"diff", "#0", file, "--json"});
  EXPECT_EQ(diff.exitCode, 1) << diff.err;
  const Json d = Json::parse(diff.out);
  ASSERT_EQ(d["differences"].size(), 1u) << diff.out;
  EXPECT_EQ(d["differences"][0]["key"], "basic.delay-time");
  EXPECT_EQ(d["differences"][0]["a"], "9");
  EXPECT_EQ(d["identity"]["module-number"]["b"], "1");

  // A refused value leaves the file as it was.
  const std::string kept = ReadFile(file);
  Check({{{"set", file, "basic.delay-time=9", "basic.keep-alive=4"}, "", 1, "", "Out of range"}});
  EXPECT_EQ(ReadFile(file), kept);
  Check({
      {{"set", file, "basic.delay-time=9"}, "", 0, "1 value applied", ""},
      {{"diff", "#0", file}, "", 0, "", ""},
      {{"decode", file, "--json"}, "", 0, "\"basic.delay-time\": \"9\"", ""},
      {{"diff", file, (home.Root() / "none.mod").string()}, "", 2, "", "was not found"},
      // A monitor row in the file: the hex address gives the bit table's input number.
      {{"set", file, "monitor.bits.2.station=7", "monitor.bits.2.address=0010",
        "monitor.bits.2.amount=1"},
       "",
       0,
       "3 values applied",
       ""},
      {{"decode", file, "--json"}, "", 0, "\"monitor.bits.2.number\": \"100017\"", ""},
      {{"diff", "#0", file}, "", 1, "monitor.bits.2.station:  | 7", ""},
  });
  EXPECT_EQ(ReadFile(file).size(), kept.size());
}

// import: another module's export makes this one's keys equal to its own
// but for who it is (and, with --keep-network, its name and network); a file
// the import refuses sends nothing.
TEST_F(NxgcfgSetTest, ImportGivesAModuleAnotherOnesParameters) {
  const auto sim = StartSim(
      8, {"--modules", "3", "--firmware", "1.55", "--firmware", "1.55", "--firmware", "1.54"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(8)}).exitCode, 0);
  const std::string file = (home.Root() / "template.mod").string();
  Check({{{"set", "#0", "basic.module-name=Template", "mail.subject.1=Boiler hot",
           "ipfilter.4.address=10.0.0.4", "basic.ip-address=127.1.9.9", "mail.recipient.1=op@pl.ex",
           "monitor.words.2.station=4", "monitor.words.2.address=0200", "monitor.words.2.amount=2"},
          "",
          0,
          "",
          ""},
         {{"export", "#0", file}, "", 0, "", ""}});
  // A module of other firmware, or a file of another module type: nothing sent.
  std::string bytes = ReadFile(file);
  bytes[1] = static_cast<char>(bytes[1] ^ 0x40);
  const std::string alien = (home.Root() / "alien.mod").string();
  std::ofstream(alien, std::ios::binary) << bytes;
  const std::size_t writes = sim->CountLogLines("<- write");
  Check({{{"import", "#2", file}, "", 1, "", "Firmware version dose not match"},
         {{"import", "#1", alien}, "", 1, "", "Module type does not match NXG4120"}});
  EXPECT_EQ(sim->CountLogLines("<- write"), writes);

  // The file holds the first 10 bytes of a recipient address (hence a short
  // one above), and the Basic page's import mask leaves IPv6 out.
  const std::vector<std::string> identity = {"overview.mac-address", "basic.ipv6",
                                             "basic.ipv6-address"};
  const std::vector<std::string> network = {"basic.module-name",  "basic.ip-configuration",
                                            "basic.ip-address",   "basic.netmask",
                                            "basic.gateway",      "basic.ipv6",
                                            "basic.ipv6-address", "overview.ip-address"};
  const Json source = Keys("#0");
  struct Row {
    std::vector<std::string> args;
    std::vector<std::string> own;  // the keys the target keeps
  };
  Row rows[] = {{{"import", "#1", file, "--keep-network"}, identity},
                {{"import", "#1", file}, identity}};
  rows[0].own.insert(rows[0].own.end(), network.begin(), network.end());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args.back());
    const Json before = Keys("#1");
    Json expected = source;
    for (const std::string& key : row.own) expected[key] = before[key];
    Check({{row.args, "", 0, "template.mod imported", ""}});
    EXPECT_EQ(Keys("#1"), expected);
  }
  EXPECT_EQ(Keys("#0"), source);
  // A value set on the file in the office reaches the module by the import.
  Check({{{"set", file, "relay.3.station=9", "relay.3.ip=127.0.9.9"}, "", 1, "", "read-only"},
         {{"set", file, "basic.delay-time=9"}, "", 0, "", ""},
         {{"import", "#1", file}, "", 0, "", ""}});
  EXPECT_EQ(Keys("#1")["basic.delay-time"], "9");
  EXPECT_EQ(sim->CountLogLines("<- write block 4 "), 0u);  // never the clock
}

// Every frame in the trace with its true length; no password in clear.
TEST_F(NxgcfgSetTest, TheTraceHoldsEveryFrameWithItsLengthAndNoPassword) {
  const auto sim = StartSim(5, {"--modules", "1", "--locked", "1", "--password", "abcd"});
  // The same module on a serial line: its frames are traced as their bodies.
  const std::string line = (home.Root() / "COM9").string();
  SimProcess serialSim({"--address", Address(7), "--serial", "--link", line, "--modules", "1",
                        "--locked", "1", "--password", "abcd"});
  ASSERT_TRUE(serialSim.WaitReady());
  const std::string trace = (home.Root() / "trace.txt").string();
  struct Row {
    std::vector<std::string> args;
    std::string env;
    std::set<std::string> frames;  // "send 36" ...
  };
  const Row rows[] = {
      {{"search", "--serial", line, "--trace", trace}, "", {"send 36", "recv 116"}},
      {{"search", "--ip", Address(5), "--trace", trace}, "", {"send 36", "recv 116"}},
      {{"--trace", trace, "read", "#0", "11"}, "", {"send 36", "recv 168"}},
      {{"read", "#0", "0", "--trace", trace}, "", {"send 36", "recv 116"}},
      {{"login", "#0", "--trace", trace}, "NXGCFG_PASSWORD=abcd", {"send 36", "recv 36"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args[0] + " " + row.args[1]);
    const Result run = Nxgcfg(row.args, row.env);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(ReadFile(trace));
    std::set<std::string> frames;
    std::string line;
    while (std::getline(lines, line)) {
      std::istringstream words(line);
      double time = -1;
      std::string channel, direction;
      std::size_t length = 0;
      words >> time >> channel >> direction >> length;
      EXPECT_GE(time, 0.0) << line;
      EXPECT_EQ(channel, "cfg");
      std::size_t cells = 0;
      for (std::string cell; words >> cell;) ++cells;
      EXPECT_EQ(cells, length) << line;
      frames.insert(direction + " " + std::to_string(length));
    }
    EXPECT_EQ(frames, row.frames);
    EXPECT_THAT(ReadFile(trace), HasSubstr("** ** ** **"));
    EXPECT_THAT(ReadFile(trace), Not(HasSubstr("61 62 63 64")));
  }
  Check({{{"show", "#0", "--trace", home.Root().string()}, "", 1, "", "Cannot write the trace"}});
}

}  // namespace
}  // namespace gw::test
