// Shows the wait cursor for the life of the object and restores the
// previous cursor on every path out. Nothing on host builds.
#pragma once

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();

private:
    CWaitCursor(const CWaitCursor&);
    CWaitCursor& operator=(const CWaitCursor&);
    void* previous;
};
