// The base of every window the toolkit makes: it owns the window handle and receives the
// notifications its parent reflects back to it (WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR*),
// so that a control such as an owner-drawn list draws and handles itself.
#pragma once

#include <windows.h>

#include <string>

struct TBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class TControl {
public:
    TControl() = default;
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return FHandle; }
    static TControl* FromHandle(HWND Window);

    // Creates the window as a child of Parent (or a top-level window when Parent is 0)
    // and links it to this object. CreateParam reaches the window procedure as the
    // lpCreateParams of WM_NCCREATE.
    void CreateControl(HWND Parent, const char* ClassName, const std::string& Text, DWORD Style,
                       DWORD ExStyle, const TBounds& Bounds, int Id = 0, void* CreateParam = nullptr);
    void DestroyHandle();

    // A notification that the parent window received about this control. Returns true
    // when it was handled, with Result the answer to the parent's message.
    virtual bool HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result);

    std::string Text() const;
    // Virtual so that a control whose size follows its text (an auto-size label) can adjust.
    virtual void SetText(const std::string& Text);
    bool Enabled() const;
    void SetEnabled(bool Enabled);
    bool Visible() const;
    void SetVisible(bool Visible);
    void SetFocus();
    void SetFont(HFONT Font);
    HFONT Font() const;
    int Id() const;
    // Position and size relative to the parent's client area.
    TBounds Bounds() const;
    void SetBounds(const TBounds& Bounds);

protected:
    // Links Window to this object before CreateWindowEx returns, for windows whose procedure
    // needs the object from their first message on.
    void AttachHandle(HWND Window);
    // Called once the window exists; controls that fill themselves do it here.
    virtual void HandleCreated() {}

private:
    HWND FHandle = nullptr;
};

// Sends the notifications that a parent window proc receives to the child control they
// concern. Returns true when the child handled it.
bool ReflectNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result);
