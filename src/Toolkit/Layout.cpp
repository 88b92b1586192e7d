#include "Toolkit/Layout.h"

#include <stdexcept>

void BuildLayout(TControl& Window, const std::vector<TLayoutRow>& Rows, int FirstId) {
    int Id = FirstId;
    for (const TLayoutRow& Row : Rows) {
        HWND Parent = Row.Parent ? Row.Parent->Handle() : Window.Handle();
        Row.Make(Row, Parent, Id++);
        if (!Row.Control->Handle()) throw std::runtime_error("A control of the window could not be created");
    }
}
