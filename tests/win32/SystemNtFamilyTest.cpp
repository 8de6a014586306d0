// The service operations that need no running service, on the NT family.
#include "ServerService.h"

#include "SystemTestServices.h"
#include "SystemTestTrace.h"

#include <gtest/gtest.h>

namespace {

using Traces = std::vector<std::string>;

TEST(IsNtFamily, HoldsOnTheNtFamily) { EXPECT_TRUE(IsNtFamily()); }

TEST_F(ServerServiceTest, WithoutTheServiceNothingButRemovalSucceeds)
{
    EXPECT_FALSE(IsServerServiceInstalled());
    EXPECT_FALSE(IsServerServiceRunning());

    EXPECT_TRUE(RemoveServerService());
    EXPECT_EQ(Traces(), TakeTraces()) << "removing an absent service traces nothing";

    EXPECT_FALSE(DeleteServerService());
    EXPECT_FALSE(StartServerService());
    EXPECT_FALSE(StopServerService());
    EXPECT_EQ(Traces({"The MailWarden service failed to remove", "The MailWarden service failed to start",
                      "The MailWarden service failed to stop"}),
              TakeTraces());
}

TEST_F(ServerServiceTest, InstallCreatesTheServiceAsConfigured)
{
    ASSERT_FALSE(IsRasInstalled());

    EXPECT_TRUE(InstallServerService(0, "C:\\MailWarden\\MailWarden.exe -service", "MailWarden Server"));
    EXPECT_EQ(Traces({"The MailWarden Server service was successfully installed"}), TakeTraces());

    EXPECT_TRUE(IsServerServiceInstalled());
    ServiceConfig config;
    ASSERT_TRUE(QueryServerConfig(config));
    EXPECT_EQ((DWORD)SERVICE_WIN32_OWN_PROCESS, config.type);
    EXPECT_EQ((DWORD)SERVICE_DEMAND_START, config.startType);
    EXPECT_EQ((DWORD)SERVICE_ERROR_NORMAL, config.errorControl);
    EXPECT_EQ("C:\\MailWarden\\MailWarden.exe -service", config.executablePath);
    EXPECT_EQ("MailWarden Server", config.displayName);
    EXPECT_EQ("", FirstServerDependency());
    EXPECT_EQ("LocalSystem", config.account);

    // A stopped service refuses the interrogation and the stop request.
    EXPECT_FALSE(IsServerServiceRunning());
    EXPECT_FALSE(StopServerService());
    EXPECT_EQ(Traces({"The MailWarden service failed to stop"}), TakeTraces());
}

TEST_F(ServerServiceTest, InstallOverAnExistingServiceRecreatesIt)
{
    ASSERT_TRUE(InstallServerService(0, "C:\\Old\\MailWarden.exe", "Old Server"));
    TakeTraces();

    EXPECT_TRUE(InstallServerService(1, "D:\\New\\Server.exe", "New Server"));
    EXPECT_EQ(Traces({"The MailWarden service failed to stop", "The MailWarden service was successfully removed",
                      "The New Server service was successfully installed"}),
              TakeTraces());
    ServiceConfig config;
    ASSERT_TRUE(QueryServerConfig(config));
    EXPECT_EQ((DWORD)SERVICE_AUTO_START, config.startType);
    EXPECT_EQ("D:\\New\\Server.exe", config.executablePath);
    EXPECT_EQ("New Server", config.displayName);
}

TEST_F(ServerServiceTest, RemoveDeletesAStoppedService)
{
    ASSERT_TRUE(InstallServerService(0, "C:\\MailWarden\\MailWarden.exe", "MailWarden"));
    TakeTraces();

    EXPECT_TRUE(RemoveServerService());
    EXPECT_EQ(Traces({"The MailWarden service failed to stop", "The MailWarden service was successfully removed"}),
              TakeTraces());
    EXPECT_FALSE(IsServerServiceInstalled());
}

}
