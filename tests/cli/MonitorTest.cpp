// nxgcfg monitor against nxgsim's Modbus TCP: the values it prints are those
// Debian's mbpoll reads from the same module; its output forms, its refusals
// and how it ends.
#include <set>
#include <thread>

#include "NxgcfgFixture.h"
#include "support/Mbpoll.h"

namespace gw::test {
namespace {

// These tests take 127.0.152.<n>.
class NxgcfgMonitorTest : public NxgcfgTest {
 protected:
  NxgcfgMonitorTest() { subnet = 152; }

  // One module on 127.0.152.<last>, found by a search, whose own address
  // (where the monitor connects and re-reads its table) is that address too,
  // with values that never change.
  std::unique_ptr<SimProcess> ModbusModule(int last, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--ip-base", Address(last),   "--modbus-port",
                                  Port(),      "--modbus-step", "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    auto sim = StartSim(last, args);
    home.WritePortLinkIni(home.ReadConfigFile("PortLink.ini") + "ModbusTCPPort=" + Port() + "\n");
    EXPECT_EQ(Nxgcfg({"search", "--ip", Address(last)}).exitCode, 0);
    return sim;
  }
  std::string Port() const { return std::to_string(port); }
  // Three words of station 2 from 0x0100, two input registers of station 3 from 0.
  void WriteWordTable() {
    Check({{{"set", "#0", "monitor.words.1.station=2", "monitor.words.1.address=0100",
             "monitor.words.1.amount=3", "monitor.words.2.station=3",
             "monitor.words.2.number=300001", "monitor.words.2.amount=2"},
            "",
            0,
            "",
            ""}});
  }
  // What mbpoll reads from the module's result registers.
  std::vector<std::uint16_t> MbpollReads(int last, std::uint16_t start, std::uint16_t count) {
    const Result show = Nxgcfg({"show", "#0", "--json"});
    const int station =
        std::stoi(Json::parse(show.out)["keys"]["basic.station-address"].get<std::string>());
    std::string said;
    const auto words = Mbpoll(Address(last), port, station, start, count, said);
    EXPECT_TRUE(words) << said;
    return words.value_or(std::vector<std::uint16_t>(count, 0));
  }
  static std::vector<Json> Lines(const std::string& out) {
    std::vector<Json> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
    return lines;
  }

  const std::uint16_t port = FreeTcpPort();
};

TEST_F(NxgcfgMonitorTest, TheTicksHoldWhatMbpollReadsFromTheSameModule) {
  const struct {
    std::vector<std::string> fault;
    bool valid;
  } cases[] = {{{}, true}, {{"--fault", "invalid-points"}, false}};
  const std::vector<std::string> numbers = {"400257", "400258", "400259", "300001", "300002"};
  const std::vector<int> stations = {2, 2, 2, 3, 3};
  int last = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.valid ? "valid" : "invalid-points");
    const auto sim = ModbusModule(last, c.fault);
    WriteWordTable();
    const Result run = Nxgcfg({"monitor", "#0", "--words", "--count", "3", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto values = MbpollReads(last, 0x22FB, 5);
    EXPECT_EQ(MbpollReads(last, 0x235F, 1)[0], c.valid ? 0x001F : 0);
    const std::vector<Json> ticks = Lines(run.out);
    ASSERT_EQ(ticks.size(), 3u) << run.out;
    for (const Json& tick : ticks) {
      EXPECT_EQ(tick["table"], "words");
      EXPECT_THAT(tick["time"].get<std::string>(),
                  ::testing::MatchesRegex("[0-9-]{10}T[0-9:.]{12}[+-][0-9:]{5}"));
      ASSERT_EQ(tick["points"].size(), numbers.size()) << tick;
      for (std::size_t r = 0; r < numbers.size(); ++r) {
        const Json& p = tick["points"][r];
        EXPECT_EQ(p["station"], stations[r]);
        EXPECT_EQ(p["number"], numbers[r]);
        EXPECT_EQ(p["valid"], c.valid);
        char hex[8];
        std::snprintf(hex, sizeof hex, "H%04X", values[r]);
        EXPECT_EQ(p["value"], c.valid ? Json(values[r]) : Json(nullptr)) << r;
        EXPECT_EQ(p["text"], c.valid ? hex : "X") << r;
      }
      EXPECT_EQ(tick["points"][3]["address"], "0000");
    }
    ++last;
  }
}

// The table, the formats, the CSV log's lines and the Modbus frames of the trace.
TEST_F(NxgcfgMonitorTest, TheOutputFormsShowTheSameValues) {
  const auto sim = ModbusModule(4);
  WriteWordTable();
  const auto values = MbpollReads(4, 0x22FB, 1);
  const auto signedValue = static_cast<std::int16_t>(values[0]);
  const Result dec =
      Nxgcfg({"monitor", "#0", "--words", "--count", "1", "--format", "DEC", "--json"});
  ASSERT_EQ(dec.exitCode, 0) << dec.err;
  const Json point = Lines(dec.out).at(0)["points"][0];
  EXPECT_EQ(point["value"], signedValue);
  EXPECT_EQ(point["text"], "K" + std::to_string(signedValue));
  const Result table = Nxgcfg({"monitor", "#0", "--words", "--count", "2", "--format", "bin"});
  ASSERT_EQ(table.exitCode, 0) << table.err;
  EXPECT_THAT(table.out, HasSubstr("Present Value"));
  EXPECT_THAT(table.out,
              ::testing::ContainsRegex("3 +0001H +300002 +B[01]{4} [01]{4} [01]{4} [01]{4}\n"));
  // One table per tick, one after the other, when not at a terminal.
  EXPECT_THAT(table.out, ::testing::ContainsRegex("Present Value(.|\n)*\n\nModule 1  Word Device"));

  const std::string trace = (home.Root() / "trace.txt").string();
  const Result csv =
      Nxgcfg({"monitor", "#0", "--words", "--count", "2", "--csv", "--trace", trace});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  std::istringstream lines(csv.out);
  std::string header, first;
  std::getline(lines, header);
  std::getline(lines, first);
  EXPECT_EQ(header, "time,2:400257,2:400258,2:400259,3:300001,3:300002");
  char hex[8];
  std::snprintf(hex, sizeof hex, ",H%04X,", values[0]);
  EXPECT_THAT(first, HasSubstr(hex));
  // Each request as unit id, function 3 and its four bytes; each reply with
  // its byte count: 7 and 100 registers.
  std::multiset<std::string> frames;
  std::istringstream traced(ReadFile(trace));
  for (std::string line; std::getline(traced, line);) {
    std::istringstream words(line);
    double time = -1;
    std::string channel, direction;
    std::size_t length = 0;
    words >> time >> channel >> direction >> length;
    if (channel != "modbus") continue;
    std::vector<std::string> cells;
    for (std::string cell; words >> cell;) cells.push_back(cell);
    ASSERT_EQ(cells.size(), length) << line;
    frames.insert(direction + " " + cells[1] + " " + cells[2] + " " + std::to_string(length));
  }
  EXPECT_EQ(frames, (std::multiset<std::string>{"send 03 23 6", "send 03 22 6", "recv 03 0e 17",
                                                "recv 03 c8 203", "send 03 23 6", "send 03 22 6",
                                                "recv 03 0e 17", "recv 03 c8 203"}));
}

TEST_F(NxgcfgMonitorTest, WhatTheMonitorRefusesAndHowItEnds) {
  const auto sim = ModbusModule(5);
  Check({
      {{"monitor", "#0"}, "", 2, "", "--bits or --words"},
      {{"monitor", "#0", "--bits", "--format", "bin"}, "", 2, "", "the bit table has none"},
      {{"monitor", "#0", "--words", "--format", "oct"}, "", 2, "", ""},
      {{"monitor", "#0", "--words", "--json", "--csv"}, "", 2, "", ""},
      {{"monitor", "#0", "--words", "--count", "0"}, "", 2, "", ""},
      {{"set", "#0", "monitor.bits.1.station="}, "", 0, "", ""},
      {{"monitor", "#0", "--bits", "--count", "1"}, "", 1, "", "table of module 1 is empty"},
  });
  // No one serves Modbus where the settings say.
  const std::string settings = home.ReadConfigFile("PortLink.ini");
  home.WritePortLinkIni(settings.substr(0, settings.find("ModbusTCPPort=")) +
                        "ModbusTCPPort=" + std::to_string(FreeTcpPort()) + "\n");
  Check({{{"monitor", "#0", "--words"}, "", 1, "", "Cannot open the specified device"}});
  home.WritePortLinkIni(settings);
  // Ctrl+C ends it after a whole tick, with exit 0.
  const std::string command = "timeout -s INT --preserve-status 2 " NXGCFG_PROGRAM
                              " monitor '#0' --words --json 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char chunk[4096];
  while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) out.append(chunk, n);
  const int status = ::pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_GE(Lines(out).size(), 1u);
  // A module whose Modbus side is gone: "Communication error" at the tick
  // that cannot be sent.
  ASSERT_EQ(sim->Stop(), 0);
  const auto other = ModbusModule(6);
  std::thread stop([&] {
    // The module goes once two ticks were served.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (other->CountLogLines("<- modbus") < 4 && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    other->Stop();
  });
  Check({{{"monitor", "#0", "--words", "--count", "1000"}, "", 1, "", "Communication error"}});
  stop.join();
}

TEST_F(NxgcfgMonitorTest, LockedSlaveAndSerialModulesAreNotMonitored) {
  const auto locked = ModbusModule(7, {"--locked", "1", "--password", "abcd"});
  Check({
      {{"monitor", "#0", "--words", "--count", "1"}, "", 1, "", "password locked"},
      {{"monitor", "#0", "--words", "--count", "1", "--login", "--json"},
       "NXGCFG_PASSWORD=abcd",
       0,
       "\"table\":\"words\"",
       ""},
  });
  const auto slave = ModbusModule(8);
  Check({
      {{"set", "#0", "basic.com-protocol=Modbus COM2 (RS-485)", "basic.master=Serial Slave"},
       "",
       0,
       "",
       ""},
      {{"set", "#0", "monitor.words.1.station=5"}, "", 1, "", "read-only"},
      {{"monitor", "#0", "--words", "--count", "1"}, "", 1, "", "Start Monitor disabled"},
  });
  const std::string line = (home.Root() / "COM1").string();
  SimProcess serial({"--address", Address(9), "--serial", "--link", line, "--modules", "1"});
  ASSERT_TRUE(serial.WaitReady());
  home.UseSerial(line, Ipv4(127, 0, 152, 9));
  Check({
      {{"search"}, "", 0, "", ""},
      {{"monitor", "#0", "--words", "--count", "1"}, "", 1, "", "serial line"},
  });
  EXPECT_EQ(serial.CountLogLines("modbus"), 0u);
}

}  // namespace
}  // namespace gw::test
