// The server's service as the service control manager sees it, asked for
// directly, and a fixture that starts and ends every test without it.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

struct ServiceConfig {
    DWORD type;
    DWORD startType;
    DWORD errorControl;
    std::string executablePath;
    std::string displayName;
    std::string account;
};

// False when the service cannot be opened or queried.
bool QueryServerConfig(ServiceConfig& config);
// The first service that the server's service depends on, as the service
// control manager stored it, or "" when it depends on none. Wine's
// CreateServiceA passes on only the first name of the list (with whatever
// follows it in memory), so that is all a test under Wine can check.
std::string FirstServerDependency();
// The service's current state, or 0 when it cannot be opened or queried.
DWORD ServerState();
// Waits up to timeoutSeconds for the state; true when it was reached.
bool WaitForServerState(DWORD state, int timeoutSeconds);

// No service "MailWarden" before and after each test: whatever a test
// leaves behind is stopped and deleted, and the trace is emptied. The
// tests run without the dial-up networking library: Wine's CreateServiceA
// sends a dependency list of one name with whatever lies behind it in
// memory, after which the service control manager now and then fails or
// hangs. Only the test of that dependency brings the library back.
class ServerServiceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
