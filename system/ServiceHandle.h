// Owner of a service control manager handle or a service handle: not
// copyable, closes itself on every path out, Close() safe to call twice.
#pragma once

#include <windows.h>

class ServiceHandle {
public:
    ServiceHandle() : handle(NULL) {}
    ~ServiceHandle() { Close(); }

    // The service control manager of this machine, its active database,
    // with all access. False where the system has no service control
    // manager (the Windows 9x family) or grants less than all access.
    bool OpenManager();
    // False when the service does not exist or refuses the access.
    bool OpenService(const ServiceHandle& manager, const char* name, DWORD access);
    // Takes over a handle that CreateServiceA gave back; false when it is
    // null.
    bool Attach(SC_HANDLE created);
    void Close();

    operator SC_HANDLE() const { return handle; }

private:
    ServiceHandle(const ServiceHandle&);
    ServiceHandle& operator=(const ServiceHandle&);
    SC_HANDLE handle;
};
