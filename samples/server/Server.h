// The sample server: holds the product's mutex and listens for the suite
// message while it runs, and writes what happens to it to the sample log.
#pragma once

extern const char* const serverLogName;

// Runs until the server is told to stop: by wParam 2 of the suite message,
// or by StopServer. mode ("service" or "program") goes into the log.
void RunServer(const char* mode);
// Asks a running server to stop, from any thread.
void StopServer();
