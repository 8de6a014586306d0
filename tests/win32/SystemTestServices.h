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
    std::string dependencies;   // the names, each followed by ';'
    std::string account;
};

// False when the service cannot be opened or queried.
bool QueryServerConfig(ServiceConfig& config);
// The service's current state, or 0 when it cannot be opened or queried.
DWORD ServerState();
// Waits up to timeoutSeconds for the state; true when it was reached.
bool WaitForServerState(DWORD state, int timeoutSeconds);

// No service "MailWarden" before and after each test: whatever a test
// leaves behind is stopped and deleted, and the trace is emptied.
class ServerServiceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
