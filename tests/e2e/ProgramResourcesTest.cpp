// The built program's own resources read back from its file: its one application manifest, with
// each entry Windows reads from it in the namespace Windows looks in, and its version information,
// which the about box shows.
#include "BuiltFile.h"

#include "res/resource.h"

#include <windows.h>

#include <shlwapi.h>
#include <xmllite.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace
{
const std::wstring kAsmV1 = L"{urn:schemas-microsoft-com:asm.v1}";
const std::wstring kAsmV3 = L"{urn:schemas-microsoft-com:asm.v3}";
const std::wstring kCompatibility = L"{urn:schemas-microsoft-com:compatibility.v1}";
const std::wstring kSettings2005 = L"{http://schemas.microsoft.com/SMI/2005/WindowsSettings}";
const std::wstring kSettings2016 = L"{http://schemas.microsoft.com/SMI/2016/WindowsSettings}";

// One element of an XML document: its path from the root, each step {namespace}name, its
// attributes by name (namespace declarations left out) and its text.
struct Element
{
    std::wstring path;
    std::map<std::wstring, std::wstring> attributes;
    std::wstring text;
};

struct Release
{
    void operator()(IUnknown* object) const { object->Release(); }
};

// Reads a whole XML document into its elements, in document order; nothing when the document is
// not well-formed XML (Windows then refuses to start the program).
std::optional<std::vector<Element>> ReadElements(const std::string& bytes)
{
    using CreateReader = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
    HMODULE xmllite = ::LoadLibraryW(L"xmllite.dll");
    if (!xmllite)
        return std::nullopt;
    // The system's XML reader has no import library here: its one entry is looked up by name.
    const auto create = reinterpret_cast<CreateReader>(
        reinterpret_cast<void*>(::GetProcAddress(xmllite, "CreateXmlReader")));
    IXmlReader* rawReader = nullptr;
    if (!create ||
        FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&rawReader), nullptr)))
        return std::nullopt;
    std::unique_ptr<IXmlReader, Release> reader(rawReader);
    std::unique_ptr<IStream, Release> stream(::SHCreateMemStream(
        reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    if (!stream || FAILED(reader->SetInput(stream.get())))
        return std::nullopt;

    std::vector<Element> elements;
    std::vector<size_t> open; // the elements whose end is still to come
    XmlNodeType type;
    HRESULT read;
    while ((read = reader->Read(&type)) == S_OK)
    {
        const WCHAR* text = nullptr;
        if (type == XmlNodeType_Element)
        {
            const WCHAR* space = nullptr;
            reader->GetNamespaceUri(&space, nullptr);
            reader->GetLocalName(&text, nullptr);
            Element element;
            element.path = (open.empty() ? L"" : elements[open.back()].path + L"/") + L"{" + space +
                           L"}" + text;
            for (HRESULT more = reader->MoveToFirstAttribute(); more == S_OK;
                 more = reader->MoveToNextAttribute())
            {
                reader->GetNamespaceUri(&space, nullptr);
                if (std::wstring(space) == L"http://www.w3.org/2000/xmlns/")
                    continue;
                const WCHAR* value = nullptr;
                reader->GetLocalName(&text, nullptr);
                reader->GetValue(&value, nullptr);
                element.attributes[text] = value;
            }
            reader->MoveToElement();
            elements.push_back(element);
            if (!reader->IsEmptyElement())
                open.push_back(elements.size() - 1);
        }
        else if (type == XmlNodeType_Text && !open.empty())
        {
            reader->GetValue(&text, nullptr);
            elements[open.back()].text += text;
        }
        else if (type == XmlNodeType_EndElement && !open.empty())
        {
            open.pop_back();
        }
    }
    if (read != S_FALSE)
        return std::nullopt;
    return elements;
}

// An entry the manifest must hold: an element at this path with at least these attributes and,
// when given, exactly this text.
struct Entry
{
    const char* what;
    std::wstring path;
    std::map<std::wstring, std::wstring> attributes;
    std::optional<std::wstring> text;
};

void PrintTo(const Entry& entry, std::ostream* os)
{
    *os << entry.what;
}

bool Holds(const std::vector<Element>& elements, const Entry& entry)
{
    for (const Element& element : elements)
    {
        if (element.path != entry.path || (entry.text && element.text != *entry.text))
            continue;
        bool all = true;
        for (const auto& [name, value] : entry.attributes)
        {
            const auto found = element.attributes.find(name);
            all = all && found != element.attributes.end() && found->second == value;
        }
        if (all)
            return true;
    }
    return false;
}

std::vector<Entry> ManifestEntries()
{
    const std::wstring assembly = kAsmV1 + L"assembly";
    const std::wstring supportedOS = assembly + L"/" + kCompatibility + L"compatibility/" +
                                     kCompatibility + L"application/" + kCompatibility +
                                     L"supportedOS";
    const std::wstring settings =
        assembly + L"/" + kAsmV3 + L"application/" + kAsmV3 + L"windowsSettings/";
    return {
        {"manifest_version", assembly, {{L"manifestVersion", L"1.0"}}, std::nullopt},
        {"common_controls_6",
         assembly + L"/" + kAsmV1 + L"dependency/" + kAsmV1 + L"dependentAssembly/" + kAsmV1 +
             L"assemblyIdentity",
         {{L"type", L"win32"},
          {L"name", L"Microsoft.Windows.Common-Controls"},
          {L"version", L"6.0.0.0"},
          {L"processorArchitecture", L"*"},
          {L"publicKeyToken", L"6595b64144ccf1df"}},
         std::nullopt},
        {"as_invoker",
         assembly + L"/" + kAsmV3 + L"trustInfo/" + kAsmV3 + L"security/" + kAsmV3 +
             L"requestedPrivileges/" + kAsmV3 + L"requestedExecutionLevel",
         {{L"level", L"asInvoker"}, {L"uiAccess", L"false"}},
         std::nullopt},
        {"windows_7",
         supportedOS,
         {{L"Id", L"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"}},
         std::nullopt},
        {"windows_8",
         supportedOS,
         {{L"Id", L"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"}},
         std::nullopt},
        {"windows_8_1",
         supportedOS,
         {{L"Id", L"{1f676c76-80e1-4239-95bb-83d0f6d0da78}"}},
         std::nullopt},
        {"windows_10_and_11",
         supportedOS,
         {{L"Id", L"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}},
         std::nullopt},
        {"dpi_aware", settings + kSettings2005 + L"dpiAware", {}, L"true/pm"},
        {"dpi_awareness",
         settings + kSettings2016 + L"dpiAwareness",
         {},
         L"PerMonitorV2, PerMonitor"},
        {"long_path_aware", settings + kSettings2016 + L"longPathAware", {}, L"true"},
    };
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                             : std::string(name));
    return TRUE;
}

// The built program loaded as data: its resources are read, none of its code runs.
class ProgramResources : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_module = ::LoadLibraryExW(BuiltFile(TALLYVANE_PROGRAM).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m_module, nullptr) << "error " << ::GetLastError();
    }

    void TearDown() override
    {
        if (m_module)
            ::FreeLibrary(m_module);
    }

    // The names of the program's manifests, a number as #N.
    std::vector<std::string> ManifestNames() const
    {
        std::vector<std::string> names;
        ::EnumResourceNamesA(m_module, RT_MANIFEST, CollectName,
                             reinterpret_cast<LONG_PTR>(&names));
        return names;
    }

    // The bytes of the manifest with id 1, the one Windows reads when it starts the program.
    std::string Manifest() const
    {
        HRSRC found = ::FindResourceA(m_module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
        HGLOBAL loaded = found ? ::LoadResource(m_module, found) : nullptr;
        const char* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
        return bytes ? std::string(bytes, ::SizeofResource(m_module, found)) : std::string();
    }

    HMODULE m_module = nullptr;
};

TEST_F(ProgramResources, HoldOneManifestAsNumberOne)
{
    EXPECT_EQ(ManifestNames(), std::vector<std::string>{"#1"});
}

class ProgramManifest : public ProgramResources, public ::testing::WithParamInterface<Entry>
{
};

TEST_P(ProgramManifest, Holds)
{
    const std::optional<std::vector<Element>> elements = ReadElements(Manifest());
    ASSERT_TRUE(elements) << "the manifest is missing or not well-formed XML";
    EXPECT_TRUE(Holds(*elements, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Entries, ProgramManifest, ::testing::ValuesIn(ManifestEntries()),
                         [](const auto& info) { return std::string(info.param.what); });

// The program's version information, as the system reads it from the file.
std::vector<BYTE> VersionBlock()
{
    const std::wstring path = BuiltFile(TALLYVANE_PROGRAM).wstring();
    std::vector<BYTE> block(::GetFileVersionInfoSizeW(path.c_str(), nullptr));
    if (block.empty() ||
        !::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return {};
    return block;
}

// A string value of the version information's one block, US English in Unicode; empty without it.
std::wstring VersionValue(std::vector<BYTE>& block, const wchar_t* name)
{
    wchar_t* text = nullptr;
    UINT size = 0;
    if (block.empty() ||
        !::VerQueryValueW(block.data(),
                          (std::wstring(L"\\StringFileInfo\\040904B0\\") + name).c_str(),
                          reinterpret_cast<void**>(&text), &size))
        return L"";
    return text;
}

// The version information gives the project's version, as numbers and as the texts Explorer
// shows.
TEST_F(ProgramResources, VersionIsTheProjectVersion)
{
    std::vector<BYTE> block = VersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    for (const auto& [what, high, low] :
         {std::tuple{"file", fixed->dwFileVersionMS, fixed->dwFileVersionLS},
          std::tuple{"product", fixed->dwProductVersionMS, fixed->dwProductVersionLS}})
    {
        const std::string numbers = std::to_string(HIWORD(high)) + "." +
                                    std::to_string(LOWORD(high)) + "." +
                                    std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
        EXPECT_EQ(numbers, TALLYVANE_VERSION) << what;
    }
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"})
        EXPECT_EQ(VersionValue(block, name), std::wstring(L"" TALLYVANE_VERSION)) << name;
}

// The about box, made from the program's own template, names the version that the program's
// version information gives.
TEST_F(ProgramResources, AboutBoxShowsTheVersion)
{
    std::vector<BYTE> block = VersionBlock();
    const std::wstring version = VersionValue(block, L"ProductVersion");
    ASSERT_FALSE(version.empty());
    HWND about = ::CreateDialogParamW(
        m_module, MAKEINTRESOURCEW(IDD_ABOUTBOX), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(about, nullptr) << "error " << ::GetLastError();
    wchar_t text[100] = {};
    ::GetDlgItemTextW(about, IDC_ABOUT_VERSION, text, 100);
    ::DestroyWindow(about);
    EXPECT_EQ(std::wstring(text), L"Tallyvane Version " + version);
}
} // namespace
