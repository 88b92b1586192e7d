// A window's controls as a table: control, parent, rectangle, style, caption. Rows are
// created in order, each with the identifier FirstId + its row number; Win32 stacks a new
// child window below its earlier siblings and takes the same order as the tab order.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Toolkit/Control.h"

// True for the toolkit's own kinds, which take a style and a caption; other controls (the
// pickers of another module) are created from their rectangle and identifier only.
template <typename TKind, typename = void>
struct TTakesLayoutStyle : std::false_type {};
template <typename TKind>
struct TTakesLayoutStyle<TKind, std::void_t<decltype(std::declval<TKind&>().Create(
                                    HWND{}, TBounds{}, 0, 0u, std::string{}))>> : std::true_type {};

struct TLayoutRow {
    template <typename TKind>
    TLayoutRow(TKind& Control, TControl* Parent, TBounds Bounds = {}, unsigned Style = 0, const char* Caption = "")
        : Control(&Control), Parent(Parent), Bounds(Bounds), Style(Style), Caption(Caption), Make(&MakeAs<TKind>) {}

    TControl* Control;
    TControl* Parent;  // null: the window the layout is built in
    TBounds Bounds;
    unsigned Style;
    const char* Caption;
    void (*Make)(const TLayoutRow& Row, HWND ParentWindow, int Id);

private:
    template <typename TKind>
    static void MakeAs(const TLayoutRow& Row, HWND ParentWindow, int Id) {
        auto& Control = static_cast<TKind&>(*Row.Control);
        if constexpr (TTakesLayoutStyle<TKind>::value)
            Control.Create(ParentWindow, Row.Bounds, Id, Row.Style, Row.Caption);
        else
            Control.Create(ParentWindow, Row.Bounds, Id);
    }
};

void BuildLayout(TControl& Window, const std::vector<TLayoutRow>& Rows, int FirstId = 100);
