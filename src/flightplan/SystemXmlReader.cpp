#include "flightplan/SystemXmlReader.h"

#include <windows.h>
#include <objbase.h>
#include <xmllite.h>

#include <cstring>
#include <vector>

#include "platform/SystemCodePage.h"

namespace {

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// The reader's entry point, looked up once; the toolchain has no import library for it.
CreateXmlReaderFunction SystemCreateXmlReader() {
    static const CreateXmlReaderFunction create = [] {
        HMODULE library = LoadLibraryW(L"xmllite.dll");
        return library ? reinterpret_cast<CreateXmlReaderFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReader")))
                       : nullptr;
    }();
    return create;
}

// Releases a COM interface when it goes out of scope.
template <typename Interface>
struct Held {
    Interface* pointer = nullptr;
    ~Held() {
        if (pointer) pointer->Release();
    }
};

// The bytes as a stream the reader can take; the copy is the stream's, freed with it.
IStream* StreamOf(const std::string& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return nullptr;
    if (void* data = GlobalLock(memory)) {
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(memory);
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

std::string AnsiOf(const WCHAR* text, UINT length) {
    std::string ansi;
    Narrow(std::wstring(text, length), ansi);  // a character the code page lacks becomes its substitute
    return ansi;
}

// An element being read: where its path ends and the text it holds so far.
struct OpenElement {
    std::size_t pathEnd;
    std::wstring text;
};

XmlDocument Read(IXmlReader& reader, std::size_t bytes) {
    XmlDocument document;
    std::string path;
    std::vector<OpenElement> open;
    auto close = [&] {
        if (!open.back().text.empty()) {
            document.texts.push_back({path, AnsiOf(open.back().text.data(), static_cast<UINT>(open.back().text.size()))});
        }
        open.pop_back();
        path.resize(open.empty() ? 0 : open.back().pathEnd);
    };
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    // Every node takes at least one character of the file. Wine's reader, cut short in a text,
    // hands out empty texts without end; that, or more nodes than characters, is a file cut short.
    std::size_t nodesLeft = bytes + 1;
    bool stuck = false;
    while (!stuck && (result = reader.Read(&type)) == S_OK) {
        const WCHAR* value = nullptr;
        UINT length = 0;
        stuck = nodesLeft-- == 0;
        switch (type) {
            case XmlNodeType_Element: {
                if (FAILED(reader.GetLocalName(&value, &length))) break;
                const std::string name = AnsiOf(value, length);
                if (document.root.empty()) document.root = name;
                path += path.empty() ? name : "/" + name;
                open.push_back({path.size(), {}});
                // An empty element has no end of its own.
                if (reader.IsEmptyElement()) close();
                break;
            }
            case XmlNodeType_Text:
            case XmlNodeType_CDATA:
                if (FAILED(reader.GetValue(&value, &length))) break;
                if (type == XmlNodeType_Text && length == 0) stuck = true;
                if (!open.empty()) open.back().text.append(value, length);
                break;
            case XmlNodeType_EndElement:
                if (!open.empty()) close();
                break;
            default: break;  // declarations, comments, processing instructions, white space between elements
        }
    }
    if (FAILED(result) || stuck || !open.empty() || document.root.empty()) {
        UINT line = 0;
        reader.GetLineNumber(&line);
        XmlDocument refused;
        refused.problem = result == static_cast<HRESULT>(WC_E_DTDPROHIBITED) ? XmlProblem::DocumentTypeDeclared : XmlProblem::Malformed;
        refused.problemLine = static_cast<int>(line);
        return refused;
    }
    return document;
}

}  // namespace

XmlDocument ReadXmlWithSystemReader(const std::string& bytes) {
    XmlDocument unread;
    unread.problem = XmlProblem::NoReader;
    const CreateXmlReaderFunction create = SystemCreateXmlReader();
    if (!create) return unread;
    Held<IXmlReader> reader;
    Held<IStream> stream;
    if (FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.pointer), nullptr))) return unread;
    stream.pointer = StreamOf(bytes);
    if (!stream.pointer) return unread;
    // Prohibited is the reader's default; it is said here since it is what keeps entities unexpanded.
    if (FAILED(reader.pointer->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader.pointer->SetInput(stream.pointer))) {
        return unread;
    }
    return Read(*reader.pointer, bytes.size());
}
