// The server's service while it runs: a real service process (the helper
// SystemTestService.exe) started by Wine's service control manager.
#include "ServerService.h"

#include "SystemTestScratch.h"
#include "SystemTestServices.h"
#include "SystemTestTrace.h"

#include <gtest/gtest.h>

namespace {

using Traces = std::vector<std::string>;

// Starting a process costs Wine many seconds under emulation.
const int startSeconds = 120;

TEST_F(ServerServiceTest, StartsRefusesASecondStartAndStopsOnlyOnceStopped)
{
    const std::string helper = TestProgramFolder() + "\\SystemTestService.exe";
    ASSERT_TRUE(InstallServerService(0, helper.c_str(), "MailWarden"));
    TakeTraces();

    ASSERT_TRUE(StartServerService());
    ASSERT_TRUE(WaitForServerState(SERVICE_RUNNING, startSeconds)) << "state " << ServerState();
    EXPECT_TRUE(IsServerServiceRunning());
    EXPECT_FALSE(StartServerService()) << "a second start while it runs";
    EXPECT_EQ(Traces({"The MailWarden service was successfully started", "The MailWarden service failed to start"}),
              TakeTraces());

    // The helper reports a pending stop for three seconds before it stops.
    DWORD before = GetTickCount();
    EXPECT_TRUE(StopServerService());
    DWORD took = GetTickCount() - before;
    EXPECT_EQ((DWORD)SERVICE_STOPPED, ServerState()) << "state right after the stop returned";
    EXPECT_GE(took, 2500u) << "milliseconds the stop took";
    EXPECT_EQ(Traces({"The MailWarden service was succesfully stopped"}), TakeTraces());
    EXPECT_FALSE(IsServerServiceRunning());
}

TEST_F(ServerServiceTest, InstallOverARunningServiceStopsItFirst)
{
    const std::string helper = TestProgramFolder() + "\\SystemTestService.exe";
    ASSERT_TRUE(InstallServerService(0, helper.c_str(), "MailWarden"));
    ASSERT_TRUE(StartServerService());
    ASSERT_TRUE(WaitForServerState(SERVICE_RUNNING, startSeconds)) << "state " << ServerState();
    TakeTraces();

    EXPECT_TRUE(InstallServerService(1, helper.c_str(), "MailWarden Again"));
    EXPECT_EQ(Traces({"The MailWarden service was succesfully stopped", "The MailWarden service was successfully removed",
                      "The MailWarden Again service was successfully installed"}),
              TakeTraces());
    ServiceConfig config;
    ASSERT_TRUE(QueryServerConfig(config));
    EXPECT_EQ("MailWarden Again", config.displayName);
    EXPECT_EQ((DWORD)SERVICE_AUTO_START, config.startType);
    EXPECT_EQ((DWORD)SERVICE_STOPPED, ServerState());
}

}
