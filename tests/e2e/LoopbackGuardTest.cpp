// The end-to-end tests run only with a configuration folder of their own that
// keeps every send on loopback; the harness refuses anything else before the
// transport is bound or a simulator started.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "SimLinkTest.h"

namespace gw::test {
namespace {

using ::testing::HasSubstr;

// Sets an environment variable, or removes it (nullptr), for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_.has_value() ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

constexpr const char* kLoopbackIni =
    "[PortLink]\nCommType=1\nRemoteIP=127.0.19.1\nBroadcastAddress=127.255.255.255\n";

// The failures of `step`, caught.
template <typename Step>
std::vector<::testing::TestPartResult> FailuresOf(Step step) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter catcher(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    step();
  }
  std::vector<::testing::TestPartResult> out;
  for (int i = 0; i < results.size(); ++i) out.push_back(results.GetTestPartResult(i));
  return out;
}

class LoopbackGuardTest : public SimLinkTest {};

TEST_F(LoopbackGuardTest, AcceptsATemporaryFolderThatKeepsTheLinkOnLoopback) {
  home.UseEthernet(Ipv4(127, 0, 19, 1));
  EXPECT_EQ(TransportSafetyProblem(), "");
  home.UseSerial(home.Root() / "COM1", Ipv4(127, 0, 19, 1));
  EXPECT_EQ(TransportSafetyProblem(), "");
  ASSERT_NO_FATAL_FAILURE(BindTool());
  EXPECT_EQ(Link().CommType(), kCommSerial);
}

TEST_F(LoopbackGuardTest, RefusesAnythingThatCouldLeaveLoopback) {
  struct Case {
    const char* ini;  // PortLink.ini, or none
    const char* variable;
    const char* value;  // the variable's value, or unset
    const char* problem;
  };
  const Case cases[] = {
      {kLoopbackIni, "GWSUITE_HOME", nullptr, "GWSUITE_HOME is not set"},
      {kLoopbackIni, "GWSUITE_HOME", "/", "(/) is not a temporary folder"},
      {nullptr, nullptr, nullptr, "there is no "},
      {"[PortLink]\nRemoteIP=192.168.1.20\nBroadcastAddress=127.255.255.255\n", nullptr, nullptr,
       "RemoteIP in"},
      {"[PortLink]\nBroadcastAddress=127.255.255.255\n", nullptr, nullptr,
       "is 255.255.255.255, outside 127.0.0.0/8"},
      {"[PortLink]\nRemoteIP=127.0.19.1\n", nullptr, nullptr, "BroadcastAddress is missing"},
      {"[PortLink]\nRemoteIP=127.0.19.1\nBroadcastAddress=192.168.1.255\n", nullptr, nullptr,
       "BroadcastAddress in"},
      {kLoopbackIni, "GWSUITE_LOOPBACK_ONLY", nullptr, "GWSUITE_LOOPBACK_ONLY is not 1"},
      {kLoopbackIni, "GWSUITE_LOOPBACK_ONLY", "0", "GWSUITE_LOOPBACK_ONLY is not 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    std::filesystem::remove(home.ConfigDir() / "PortLink.ini");
    if (c.ini) home.WritePortLinkIni(c.ini);
    std::optional<ScopedEnv> env;
    if (c.variable) env.emplace(c.variable, c.value);
    EXPECT_THAT(TransportSafetyProblem(), HasSubstr(c.problem));
  }
}

TEST_F(LoopbackGuardTest, ARefusedTestBindsNothingAndStartsNoSimulator) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=10.1.2.3\nBroadcastAddress=127.255.255.255\n");
  auto results = FailuresOf([&] { BindTool(); });
  ASSERT_EQ(results.size(), 1u);
  EXPECT_TRUE(results[0].fatally_failed());
  EXPECT_THAT(results[0].message(),
              HasSubstr("refusing to run against the transport: RemoteIP in"));
  // Start writes its own loopback configuration; a refused one stops it too.
  results = FailuresOf([&] {
    ScopedEnv unset("GWSUITE_LOOPBACK_ONLY", nullptr);
    Start(Line::Ethernet, {});
  });
  ASSERT_GE(results.size(), 1u);
  EXPECT_TRUE(results[0].fatally_failed());
  EXPECT_THAT(results[0].message(), HasSubstr("GWSUITE_LOOPBACK_ONLY is not 1"));
  EXPECT_FALSE(Bound());
  EXPECT_FALSE(SimStarted());

  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=127.0.19.1\n");
  SimProcess sim({"--address", "127.0.19.1"});
  const auto ready = sim.WaitReady();
  EXPECT_FALSE(ready);
  EXPECT_THAT(ready.message(), HasSubstr("refusing to start nxgsim: BroadcastAddress is missing"));
  EXPECT_EQ(sim.Pid(), -1);
}

}  // namespace
}  // namespace gw::test
