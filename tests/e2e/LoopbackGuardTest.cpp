// The end-to-end tests run only with a configuration folder of their own that
// keeps every send on loopback; the harness refuses anything else before the
// transport is bound or a simulator started.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "SimLinkTest.h"

namespace gw::test {
namespace {

using ::testing::HasSubstr;

// Sets an environment variable (or removes it) for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class LoopbackGuardTest : public SimLinkTest {
 protected:
  static constexpr std::uint32_t kOwn = Ipv4(127, 0, 19, 1);
  static constexpr const char* kLoopbackIni =
      "[PortLink]\nCommType=1\nRemoteIP=127.0.19.1\nBroadcastAddress=127.255.255.255\n";

  // BindTool with its failures caught: the one fatal failure's message.
  std::string RefusalOfBind() {
    ::testing::TestPartResultArray results;
    {
      ::testing::ScopedFakeTestPartResultReporter catcher(
          ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
      BindTool();
    }
    if (results.size() != 1 || !results.GetTestPartResult(0).fatally_failed()) {
      ADD_FAILURE() << "expected one fatal failure, got " << results.size();
      return {};
    }
    return results.GetTestPartResult(0).message();
  }
};

TEST_F(LoopbackGuardTest, AcceptsATemporaryFolderThatKeepsTheLinkOnLoopback) {
  home.UseEthernet(kOwn);
  EXPECT_EQ(TransportSafetyProblem(), "");
  home.UseSerial(home.Root() / "COM1", kOwn);
  EXPECT_EQ(TransportSafetyProblem(), "");
  ASSERT_NO_FATAL_FAILURE(BindTool());
  EXPECT_EQ(Link().CommType(), kCommSerial);
}

TEST_F(LoopbackGuardTest, RefusesWithoutAConfigurationFolderOfItsOwn) {
  home.WritePortLinkIni(kLoopbackIni);
  {
    ScopedEnv unset("GWSUITE_HOME", nullptr);
    EXPECT_THAT(TransportSafetyProblem(), HasSubstr("GWSUITE_HOME is not set"));
  }
  {
    ScopedEnv elsewhere("GWSUITE_HOME", "/");
    EXPECT_THAT(TransportSafetyProblem(), HasSubstr("is not a temporary folder"));
  }
  std::filesystem::remove(home.ConfigDir() / "PortLink.ini");
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("there is no "));
}

TEST_F(LoopbackGuardTest, RefusesAnyAddressOffLoopback) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=192.168.1.20\nBroadcastAddress=127.255.255.255\n");
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("RemoteIP"));
  home.WritePortLinkIni("[PortLink]\nBroadcastAddress=127.255.255.255\n");
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("255.255.255.255, outside 127.0.0.0/8"));
  home.WritePortLinkIni("[PortLink]\nRemoteIP=127.0.19.1\n");
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("BroadcastAddress is missing"));
  home.WritePortLinkIni("[PortLink]\nRemoteIP=127.0.19.1\nBroadcastAddress=192.168.1.255\n");
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("BroadcastAddress in"));
}

TEST_F(LoopbackGuardTest, RefusesWithoutTheLoopbackOnlySafetyBelt) {
  home.WritePortLinkIni(kLoopbackIni);
  ScopedEnv unset("GWSUITE_LOOPBACK_ONLY", nullptr);
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("GWSUITE_LOOPBACK_ONLY is not 1"));
  ScopedEnv zero("GWSUITE_LOOPBACK_ONLY", "0");
  EXPECT_THAT(TransportSafetyProblem(), HasSubstr("GWSUITE_LOOPBACK_ONLY is not 1"));
}

TEST_F(LoopbackGuardTest, ARefusedTestBindsNothingAndStartsNoSimulator) {
  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=10.1.2.3\nBroadcastAddress=127.255.255.255\n");
  EXPECT_THAT(RefusalOfBind(),
              HasSubstr("refusing to run against the transport: RemoteIP in"));
  // Start writes its own loopback configuration; a refused one stops it too.
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter catcher(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    ScopedEnv unset("GWSUITE_LOOPBACK_ONLY", nullptr);
    Start(Line::Ethernet, {});
  }
  ASSERT_GE(results.size(), 1);
  EXPECT_TRUE(results.GetTestPartResult(0).fatally_failed());
  EXPECT_THAT(results.GetTestPartResult(0).message(), HasSubstr("GWSUITE_LOOPBACK_ONLY is not 1"));
  EXPECT_FALSE(Bound());
  EXPECT_FALSE(SimStarted());
}

TEST_F(LoopbackGuardTest, TheSimulatorHarnessRefusesToStartToo) {
  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=127.0.19.1\n");
  SimProcess sim({"--address", "127.0.19.1"});
  const auto ready = sim.WaitReady();
  EXPECT_FALSE(ready);
  EXPECT_THAT(ready.message(), HasSubstr("refusing to start nxgsim: BroadcastAddress is missing"));
  EXPECT_EQ(sim.Pid(), -1);
}

}  // namespace
}  // namespace gw::test
