// The wait cursor over the program's windows while a long step runs on the user-interface
// thread. The toolkit's windows answer WM_SETCURSOR with it while any TBusyCursor lives.
#pragma once

#include <windows.h>

class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

    static bool Active();
    static HCURSOR WaitCursor();

private:
    HCURSOR FPrevious;
};
