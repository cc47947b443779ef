#include "framework/AccessibleControls.h"

#include "framework/LateLibrary.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace
{

using CreateStdObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using AllocStringFunction = BSTR(WINAPI*)(const OLECHAR*);

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

std::wstring ClassOf(HWND control)
{
    wchar_t name[64] = {};
    ::GetClassNameW(control, name, static_cast<int>(std::size(name)));
    return name;
}

// The role a reader should hear for the control, by its window class and style; 0 for a control
// this file does not describe (labels, pictures, frames, and kinds of button no dialog has).
long RoleOfKind(HWND control)
{
    const std::wstring kind = ClassOf(control);
    if (kind == L"Edit")
        return ROLE_SYSTEM_TEXT;
    if (kind == WC_LISTVIEWW)
        return ROLE_SYSTEM_LIST;
    if (kind == DATETIMEPICK_CLASSW)
        return ROLE_SYSTEM_DROPLIST;
    if (kind != L"Button")
        return 0;
    switch (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK)
    {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return ROLE_SYSTEM_PUSHBUTTON;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return ROLE_SYSTEM_CHECKBUTTON;
    default:
        return 0;
    }
}

// The standard object of a control, answering with the control's name, the role of its kind and
// its checked state.
class DescribedAccessible final : public IAccessible
{
public:
    DescribedAccessible(HWND control, IAccessible* standard, std::wstring name)
        : m_control(control), m_standard(standard), m_name(std::move(name))
    {
    }

    // IUnknown. The interfaces a reader asks for beside IAccessible (the window of the object,
    // the enumeration of its children) are the standard object's own.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
        {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_standard->QueryInterface(iid, object);
    }
    // A reader in another process may call from more than one thread at once.
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(::InterlockedIncrement(&m_references));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = static_cast<ULONG>(::InterlockedDecrement(&m_references));
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: the standard object's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return m_standard->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override
    {
        return m_standard->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }

    // IAccessible: the name, the role and the checked state are the control's; everything else
    // is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (!IsSelf(child) || m_name.empty())
            return m_standard->get_accName(child, name);
        if (!name)
            return E_POINTER;
        const auto allocate =
            LateFunctionAs<AllocStringFunction>(L"oleaut32.dll", "SysAllocString");
        *name = allocate ? allocate(m_name.c_str()) : nullptr;
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return m_standard->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const HRESULT result = m_standard->get_accRole(child, role);
        if (!IsSelf(child) || FAILED(result) || !role ||
            (role->vt == VT_I4 && role->lVal != ROLE_SYSTEM_CLIENT))
            return result;
        if (const long kind = RoleOfKind(m_control))
        {
            role->vt = VT_I4;
            role->lVal = kind;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT result = m_standard->get_accState(child, state);
        if (!IsSelf(child) || FAILED(result) || !state || state->vt != VT_I4 ||
            RoleOfKind(m_control) != ROLE_SYSTEM_CHECKBUTTON)
            return result;
        if (::SendMessageW(m_control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            state->lVal |= STATE_SYSTEM_CHECKED;
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override
    {
        return m_standard->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override
    {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override
    {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard->put_accValue(child, value);
    }

private:
    ~DescribedAccessible() { m_standard->Release(); }

    LONG m_references = 1;
    HWND m_control;
    IAccessible* m_standard;
    std::wstring m_name;
};

// The answer to a reader's WM_GETOBJECT for the control's client: its standard object as
// described, handed over as the system hands objects across; 0 when the accessibility library or
// the standard object cannot be had, and the hand-over's negative error code when it fails.
LRESULT DescribedClientObject(HWND control, WPARAM flags, const std::wstring& name)
{
    const auto createStandard =
        LateFunctionAs<CreateStdObjectFunction>(L"oleacc.dll", "CreateStdAccessibleObject");
    const auto toResult =
        LateFunctionAs<LresultFromObjectFunction>(L"oleacc.dll", "LresultFromObject");
    if (!createStandard || !toResult)
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                              reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* described = new DescribedAccessible(control, standard, name);
    const LRESULT result = toResult(__uuidof(IAccessible), flags, described);
    described->Release();
    return result;
}

// A described control: its dialog and identifier, its window procedure before this file's, and
// its name, empty while the system's own name stands. Kept by the thread that made the controls,
// which is the one their messages arrive on, and not as window properties: at a dialog's start
// every call to the window server counts.
struct DescribedControl
{
    HWND dialog;
    int id;
    WNDPROC previous;
    std::wstring name;
};
thread_local std::unordered_map<HWND, DescribedControl> t_described;

LRESULT CALLBACK DescribedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = t_described.find(control);
    if (found == t_described.end())
        return ::DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC previous = found->second.previous;
    switch (message)
    {
    case WM_GETOBJECT:
        // The object's identifier arrives as a 32-bit value.
        // A failed hand-over answers a negative error code; the control's own answer stands then.
        if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT)
            if (const LRESULT answer = DescribedClientObject(control, wParam, found->second.name);
                answer > 0)
                return answer;
        break;
    case WM_NCDESTROY:
        // The window's last message: nothing of it is asked for again.
        t_described.erase(found);
        break;
    }
    return ::CallWindowProcW(previous, control, message, wParam, lParam);
}

// Adds the control to the list of controls that `list` points to.
BOOL CALLBACK ListControl(HWND control, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
    return TRUE;
}

} // namespace

void DescribeControlsToScreenReaders(HWND dialog)
{
    // Every control of the dialog, then the window procedure of each described one replaced by a
    // Unicode one, as the system's subclassing does: an ANSI procedure on top of a box would
    // turn every text given it in the W functions into the code page's.
    std::vector<HWND> controls;
    ::EnumChildWindows(dialog, ListControl, reinterpret_cast<LPARAM>(&controls));
    for (const HWND control : controls)
    {
        if (RoleOfKind(control) == 0 || t_described.count(control))
            continue;
        DescribedControl& described = t_described[control];
        described.dialog = dialog;
        described.id = ::GetDlgCtrlID(control);
        described.previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DescribedControlProc)));
        if (!described.previous)
            t_described.erase(control);
    }
}

void SetAccessibleName(HWND dialog, int id, const std::wstring& name)
{
    for (auto& [control, described] : t_described)
        if (described.dialog == dialog && described.id == id)
            described.name = name;
}
