#pragma once

// Runs the server as the service "MailWarden" when the service control
// manager started this process; false, having done nothing, otherwise.
bool RunAsService();
