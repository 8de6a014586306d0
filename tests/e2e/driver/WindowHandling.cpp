#include "WindowHandling.h"

#include "Transcript.h"

#include <cstdio>

namespace {

std::string Hex(HWND window)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%lx", (unsigned long)(ULONG_PTR)window);
    return text;
}

std::string WindowText(HWND window)
{
    char text[4096];
    DWORD_PTR length = 0;
    // Through the message, so that the control of another process answers
    // with what it shows; a hung one does not hold the driver.
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &length))
        return std::string();
    return std::string(text, (size_t)length);
}

std::string ClassOf(HWND window)
{
    char name[256];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? (size_t)length : 0);
}

bool IsCheckable(HWND control)
{
    if (ClassOf(control) != "Button")
        return false;
    LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
           type == BS_AUTOCHECKBOX;
}

bool IsChecked(HWND control)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

struct Control {
    HWND window;
    std::string text;
};

// The controls in their order in the window (a dialog's creation order).
std::vector<Control> ControlsOf(HWND window)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back({child, WindowText(child)});
    return controls;
}

std::string ControlsJson(const std::vector<Control>& controls)
{
    std::string json = "[";
    for (const Control& control : controls) {
        if (json.size() > 1)
            json += ",";
        std::string item = "{\"id\":" + std::to_string(GetDlgCtrlID(control.window)) +
                           ",\"class\":" + JsonString(ClassOf(control.window)) +
                           ",\"text\":" + JsonString(control.text);
        if (IsCheckable(control.window))
            item += std::string(",\"checked\":") + (IsChecked(control.window) ? "true" : "false");
        json += item + "}";
    }
    return json + "]";
}

WindowRule* RuleFor(Driver& driver, const std::string& title, const std::vector<Control>& controls)
{
    for (WindowRule& rule : driver.rules) {
        if (rule.used)
            continue;
        bool matches = title.find(rule.match) != std::string::npos;
        for (const Control& control : controls)
            matches = matches || control.text.find(rule.match) != std::string::npos;
        if (matches)
            return &rule;
    }
    return nullptr;
}

void PressKey(HWND window, WPARAM key)
{
    // Posted to the dialog itself: its modal loop's IsDialogMessage turns
    // the key into the command a user's key press gives.
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void Act(HWND window, const WindowAction& action)
{
    const std::string& name = action.verb;
    int id = action.control;
    Record record("action");
    record.Text("hwnd", Hex(window)).Text("action", name);
    if (name == "press" || name == "select")
        record.Number("control", id);
    if (name == "press") {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(window, id));
    } else if (name == "select") {
        // A click, as a user gives it: an automatic radio button checks
        // itself and clears the others of its group.
        HWND control = GetDlgItem(window, id);
        DWORD_PTR ignored;
        SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
        record.Flag("checked", IsChecked(control));
    } else if (name == "esc") {
        PressKey(window, VK_ESCAPE);
    } else {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    Write(record);
}

void WaitUntilIdle(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, pid);
    if (!process)
        return;
    WaitForInputIdle(process, 10000);
    CloseHandle(process);
}

}

void HandleWindow(Driver& driver, HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    WaitUntilIdle(pid);
    std::string title = WindowText(window);
    std::vector<Control> controls = ControlsOf(window);
    std::string process = driver.processNames.count(pid) ? driver.processNames[pid] : std::string();
    Write(Record("window")
              .Text("hwnd", Hex(window))
              .Number("pid", pid)
              .Text("process", process)
              .Text("class", ClassOf(window))
              .Text("title", title)
              .Raw("controls", ControlsJson(controls)));

    WindowRule* rule = RuleFor(driver, title, controls);
    if (!rule) {
        Write(Record("unexpected-window").Text("hwnd", Hex(window)));
        Act(window, {"close", 0});
        return;
    }
    rule->used = true;
    for (const WindowAction& action : rule->actions)
        Act(window, action);
}
