// nxgcfg batch: the lines of a file run module by module, several modules at
// a time, against nxgsim.
#include "NxgcfgFixture.h"
#include "model/NodeListStream.h"

namespace gw::test {
namespace {

// These tests take 127.0.157.<n>.
class NxgcfgBatchTest : public NxgcfgTest {
 protected:
  NxgcfgBatchTest() { subnet = 157; }

  // Searches the simulator at 127.0.157.<last>; the MAC address of each module.
  std::vector<std::string> Search(int last) {
    const Result found = Nxgcfg({"search", "--ip", Address(last), "--json"});
    EXPECT_EQ(found.exitCode, 0) << found.err;
    std::vector<std::string> macs;
    for (const Json& m : Json::parse(found.out)) macs.push_back(m["mac"]);
    return macs;
  }
  Json Keys(const std::string& module) {
    const Result show = Nxgcfg({"show", module, "--json"});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    return show.exitCode == 0 ? Json::parse(show.out)["keys"] : Json::object();
  }
  std::string WriteBatch(const std::string& text) {
    const fs::path file = home.Root() / "batch.txt";
    std::ofstream(file) << text;
    return file.string();
  }
};

// Six modules, named by MAC address, #index or module number, each renamed
// and given a keep-alive; writes to modules 2 and 5 are refused.
TEST_F(NxgcfgBatchTest, AFailingModuleStopsOnlyItselfAndEveryOtherIsAppliedAndKept) {
  const auto sim = StartSim(1, {"--modules", "6", "--fault", "refuse", "--fault-modules", "2,5"});
  const std::vector<std::string> macs = Search(1);
  ASSERT_EQ(macs.size(), 6u);
  const std::string refs[] = {macs[0], "#1", "3", macs[3], "#4", "6"};
  std::string text = "# rename every module\n\n";
  for (int k = 0; k < 6; ++k) {
    text += "set " + refs[k] + " 'basic.module-name=Batch " + std::to_string(k + 1) +
            "' basic.keep-alive=30\n";
  }
  const Result run = Nxgcfg({"batch", WriteBatch(text), "--jobs", "6", "--json"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const Json results = Json::parse(run.out);
  ASSERT_EQ(results.size(), 6u) << run.out;

  // The exports of all six at once: each reads its module and keeps what it
  // read, and no one's record is lost to another's.
  std::string exports;
  for (int k = 0; k < 6; ++k) {
    exports +=
        "export " + refs[k] + " " + (home.Root() / (std::to_string(k) + ".mod")).string() + "\n";
  }
  EXPECT_EQ(Nxgcfg({"batch", WriteBatch(exports), "--jobs", "6"}).exitCode, 0);
  const auto kept = std::make_unique<NodeTable>();
  const std::string stream = ReadFile(KeptList());
  ASSERT_FALSE(ReadNodeList(*kept, std::vector<std::uint8_t>(stream.begin(), stream.end())));
  ASSERT_EQ(kept->Count(), 6);

  for (int k = 0; k < 6; ++k) {
    SCOPED_TRACE(refs[k]);
    const Json& r = results[static_cast<std::size_t>(k)];
    const bool refused = k == 1 || k == 4;
    EXPECT_EQ(r["module"], refs[k]);
    EXPECT_EQ(r["mac"], macs[static_cast<std::size_t>(k)]);
    EXPECT_EQ(r["ok"], !refused);
    EXPECT_EQ(r["done"], refused ? 0 : 1);
    const Json keys = Keys(macs[k]);
    EXPECT_EQ(kept->Node(k).ModuleName(), keys["basic.module-name"]);
    if (refused) {
      EXPECT_EQ(r["line"], 3 + k);
      EXPECT_THAT(r["message"].get<std::string>(), HasSubstr("Modify failed"));
      EXPECT_THAT(keys["basic.module-name"].get<std::string>(), Not(HasSubstr("Batch")));
      EXPECT_NE(keys["basic.keep-alive"], "30");
    } else {
      EXPECT_EQ(keys["basic.module-name"], "Batch " + std::to_string(k + 1));
      EXPECT_EQ(keys["basic.keep-alive"], "30");
    }
  }
  // A failed line skips the module's later lines.
  const Result text1 =
      Nxgcfg({"batch", WriteBatch("set #1 basic.keep-alive=30\nexport #1 a.mod\n")});
  EXPECT_EQ(text1.exitCode, 1);
  EXPECT_THAT(text1.out, HasSubstr("#1 (" + macs[1] +
                                   "): failed at line 1 (set #1 basic.keep-alive=30): Modify "
                                   "failed; Not every write was taken: Basic page block 11.; 1 "
                                   "command skipped\n"));
}

TEST_F(NxgcfgBatchTest, AMalformedLineRefusesTheWholeBatchAndSendsNothing) {
  const auto sim = StartSim(2, {"--modules", "2"});
  Search(2);
  const std::size_t requests = sim->CountLogLines("<- ");
  struct Row {
    std::string line;
    std::string message;
  };
  const Row rows[] = {
      {"frobnicate #0", "'frobnicate' is not a batch command"},
      {"set #0", "set takes at least one KEY=VALUE"},
      {"set #0 basic.nothing=1", "'basic.nothing' is not a key"},
      {"set #0 overview.mac-address=1", "overview.mac-address is shown only"},
      {"set #0 basic.keep-alive=30 --dry-run", "'--dry-run' is not KEY=VALUE"},
      {"set #0 \"basic.module-name=open", "a quote is not closed"},
      {"import #0", "import takes one FILE.mod"},
      {"import #0 a.mod --dry-run", "import takes no --dry-run"},
      {"login #0 secret", "login takes only the module"},
      {"export kitchen a.mod", "'kitchen' is not a MAC address, a #index or a module number"},
      {"export #0", "export takes one FILE"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const std::string file = WriteBatch("set #1 basic.module-name=Never\n\n" + row.line + "\n");
    const Result run = Nxgcfg({"batch", file});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr(file + ", line 3: " + row.message));
    EXPECT_THAT(run.err, HasSubstr("Nothing was run."));
  }
  EXPECT_EQ(Nxgcfg({"batch", (home.Root() / "none.txt").string()}).exitCode, 2);
  EXPECT_EQ(sim->CountLogLines("<- "), requests);
}

// A locked module, logged in with the password of a file or of the variable.
TEST_F(NxgcfgBatchTest, PasswordsComeFromAFileOnlyItsOwnerMayReadOrFromTheVariable) {
  const auto sim = StartSim(3, {"--modules", "2", "--locked", "2", "--password", "abcd"});
  Search(3);
  // Without a login line the locked module refuses.
  Check({{{"batch", WriteBatch("set #1 basic.keep-alive=50\n")},
          "NXGCFG_PASSWORD=abcd",
          1,
          "is password locked",
          ""}});
  const std::string batch = WriteBatch("login #1\nset #1 basic.keep-alive=40\n");
  const std::string secret = (home.Root() / "secret").string();
  struct Row {
    mode_t mode;  // 0: no password file
    std::string password;
    std::string env;
    int exitCode;
    std::string out, err;
  };
  const Row rows[] = {
      {0644, "abcd", "", 2, "", "make it readable by its owner only"},
      {0640, "abcd", "", 2, "", "(mode 0640)"},
      {0600, "", "", 2, "", "holds no password"},
      {0, "", "", 2, "", "line 1: login needs a password"},
      {0600, "wxyz", "", 1, "failed at line 1 (login #1): Authentication failed", ""},
      {0600, "abcd\n", "NXGCFG_PASSWORD=wxyz", 0, "ok, 2 commands", ""},
      {0, "", "NXGCFG_PASSWORD=abcd", 0, "ok, 2 commands", ""},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = {"batch", batch};
    if (row.mode != 0) {
      fs::remove(secret);
      std::ofstream(secret) << row.password;
      fs::permissions(secret, static_cast<fs::perms>(row.mode));
      args.insert(args.end(), {"--password-file", secret});
    }
    SCOPED_TRACE(row.password);
    Check({{args, row.env, row.exitCode, row.out, row.err, row.password.substr(0, 4)}});
  }
  // The first module's parameters into the locked one after its login, which
  // keeps its own name and addresses.
  const std::string mod = (home.Root() / "first.mod").string();
  ASSERT_EQ(Nxgcfg({"export", "#0", mod}).exitCode, 0);
  Check({{{"batch", WriteBatch("login #1\nimport #1 '" + mod + "' --keep-network\n")},
          "NXGCFG_PASSWORD=abcd",
          0,
          "ok, 2 commands",
          ""}});
  const Json first = Keys("#0");
  const Json second = Keys("#1");
  EXPECT_EQ(second["basic.keep-alive"], first["basic.keep-alive"]);
  EXPECT_NE(second["basic.module-name"], first["basic.module-name"]);
}

TEST_F(NxgcfgBatchTest, OnASerialLineTheModulesRunOneAtATime) {
  home.UseSerial(home.Root() / "no-such-line", Ipv4(127, 0, 157, 4));
  const Result run = Nxgcfg({"batch", WriteBatch("export #0 a.mod\n"), "--jobs", "4"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err, HasSubstr("serial line: the modules run one at a time"));
}

}  // namespace
}  // namespace gw::test
