#include "framework/headless/ResourceScript.h"

#include "framework/headless/ResourceLexer.h"
#include "framework/headless/Win32Names.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace headless::detail {

namespace {

// Every control of a template is a visible child window unless its statement says otherwise.
constexpr DWORD kControlDefaultStyle = 0x40000000 | 0x10000000;

struct Value {
    bool isText = false;
    long long number = 0;
    std::string text;
};

using Symbols = std::map<std::string, Value>;

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return text;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Reads the tokens of one file, statement by statement.
class FileParser {
public:
    FileParser(const std::string& path, ResourceScript& script, Symbols& symbols)
        : m_path(path), m_tokens(TokenizeResourceText(ReadWholeFile(path))), m_script(script),
          m_symbols(symbols) {}

    FileParser(const std::string& path, std::vector<ResourceToken> tokens, ResourceScript& script,
               Symbols& symbols)
        : m_path(path), m_tokens(std::move(tokens)), m_script(script), m_symbols(symbols) {}

    void ParseAll() {
        while (m_pos < m_tokens.size()) {
            if (Peek().kind == ResourceToken::Kind::Directive) {
                Directive(Take().text);
            } else {
                Statement();
            }
        }
    }

    Value Expression() {
        Value value = Term();
        while (TakePunctuation('|')) {
            const Value right = Term();
            if (value.isText || right.isText) {
                Fail("a text cannot be combined with |");
            }
            value.number |= right.number;
        }
        return value;
    }

    bool AtEnd() const { return m_pos >= m_tokens.size(); }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        const int line = m_pos < m_tokens.size() ? m_tokens[m_pos].line
                                                 : (m_tokens.empty() ? 0 : m_tokens.back().line);
        throw std::runtime_error(m_path + ", line " + std::to_string(line) + ": " + what);
    }

    const ResourceToken& Peek() const {
        if (m_pos >= m_tokens.size()) {
            Fail("unexpected end");
        }
        return m_tokens[m_pos];
    }

    const ResourceToken& Take() {
        const ResourceToken& token = Peek();
        ++m_pos;
        return token;
    }

    bool PeekKeyword(const char* keyword) const {
        return m_pos < m_tokens.size() && m_tokens[m_pos].kind == ResourceToken::Kind::Identifier &&
               Upper(m_tokens[m_pos].text) == keyword;
    }

    bool TakePunctuation(char ch) {
        if (m_pos < m_tokens.size() && m_tokens[m_pos].kind == ResourceToken::Kind::Punctuation &&
            m_tokens[m_pos].text[0] == ch) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void ExpectComma() {
        if (!TakePunctuation(',')) {
            Fail("',' expected");
        }
    }

    bool TakeBegin() { return TakePunctuation('{') || (PeekKeyword("BEGIN") && (++m_pos, true)); }
    bool TakeEnd() { return TakePunctuation('}') || (PeekKeyword("END") && (++m_pos, true)); }

    void ExpectBegin() {
        if (!TakeBegin()) {
            Fail("BEGIN expected");
        }
    }

    Value Term() {
        const ResourceToken& token = Take();
        switch (token.kind) {
        case ResourceToken::Kind::Number:
            return {false, token.number, {}};
        case ResourceToken::Kind::String:
            return {true, 0, token.text};
        case ResourceToken::Kind::Identifier:
            return Resolve(token.text);
        case ResourceToken::Kind::Punctuation:
            if (token.text == "(") {
                Value inner = Expression();
                if (!TakePunctuation(')')) {
                    Fail("')' expected");
                }
                return inner;
            }
            if (token.text == "-") {
                Value negated = Term();
                negated.number = -negated.number;
                return negated;
            }
            break;
        case ResourceToken::Kind::Directive:
            break;
        }
        --m_pos;
        Fail("unexpected '" + token.text + "'");
    }

    Value Resolve(const std::string& name) const {
        const auto symbol = m_symbols.find(name);
        if (symbol != m_symbols.end()) {
            return symbol->second;
        }
        if (const auto constant = Win32Constant(name)) {
            return {false, *constant, {}};
        }
        Fail("unknown name " + name);
    }

    long long Number() {
        const Value value = Expression();
        if (value.isText) {
            Fail("a number expected");
        }
        return value.number;
    }

    std::string Text() {
        const Value value = Expression();
        if (!value.isText) {
            Fail("a text expected");
        }
        return value.text;
    }

    void Directive(const std::string& line) {
        std::vector<ResourceToken> tokens = TokenizeResourceText(line.substr(1));
        if (tokens.empty() || tokens[0].kind != ResourceToken::Kind::Identifier) {
            return;
        }
        if (tokens[0].text == "include" && tokens.size() == 2 &&
            tokens[1].kind == ResourceToken::Kind::String) {
            FileParser(FolderOf(m_path) + tokens[1].text, m_script, m_symbols).ParseAll();
        } else if (tokens[0].text == "define" && tokens.size() > 2 &&
                   tokens[1].kind == ResourceToken::Kind::Identifier) {
            const std::string name = tokens[1].text;
            FileParser value(m_path, {tokens.begin() + 2, tokens.end()}, m_script, m_symbols);
            m_symbols[name] = value.Expression();
            if (!value.AtEnd()) {
                Fail("unexpected text after the value of " + name);
            }
        }
        // #include <...> of the system's headers, #pragma and conditionals: nothing to keep.
    }

    void Statement() {
        if (PeekKeyword("LANGUAGE")) {
            ++m_pos; // the language and sublanguage, whose names the table need not know
            Take();
            ExpectComma();
            Take();
            return;
        }
        if (PeekKeyword("STRINGTABLE")) {
            ++m_pos;
            StringTable();
            return;
        }
        const auto id = static_cast<UINT>(Number());
        const ResourceToken& type = Take();
        const std::string kind = Upper(type.text);
        if (kind == "ICON") {
            m_script.icons.insert(id);
            Text();
        } else if (kind == "BITMAP") {
            Text();
        } else if (kind == "DIALOGEX") {
            Dialog(id);
        } else if (kind == "VERSIONINFO") {
            while (!TakeBegin()) {
                Take();
            }
            SkipBlock();
        } else {
            --m_pos;
            Fail("unknown resource type " + type.text);
        }
    }

    void StringTable() {
        ExpectBegin();
        while (!TakeEnd()) {
            const auto id = static_cast<UINT>(Number());
            TakePunctuation(',');
            m_script.strings[id] = Text();
        }
    }

    // Skips the rest of a block whose BEGIN was taken, nested blocks included.
    void SkipBlock() {
        for (int depth = 1; depth > 0;) {
            if (TakeBegin()) {
                ++depth;
            } else if (TakeEnd()) {
                --depth;
            } else {
                Take();
            }
        }
    }

    CRect Rectangle() {
        const int x = static_cast<int>(Number());
        ExpectComma();
        const int y = static_cast<int>(Number());
        ExpectComma();
        const int cx = static_cast<int>(Number());
        ExpectComma();
        const int cy = static_cast<int>(Number());
        return {x, y, x + cx, y + cy};
    }

    void Dialog(UINT id) {
        DialogTemplate dialog;
        dialog.rect = Rectangle();
        while (!TakeBegin()) {
            const std::string option = Upper(Take().text);
            if (option == "STYLE") {
                dialog.style = static_cast<DWORD>(Number());
            } else if (option == "EXSTYLE") {
                dialog.exStyle = static_cast<DWORD>(Number());
            } else if (option == "CAPTION") {
                dialog.caption = Text();
            } else if (option == "FONT") {
                do {
                    Expression();
                } while (TakePunctuation(','));
            } else {
                --m_pos;
                Fail("unknown dialog option " + option);
            }
        }
        while (!TakeEnd()) {
            if (!PeekKeyword("CONTROL")) {
                Fail("CONTROL expected");
            }
            ++m_pos;
            dialog.controls.push_back(Control());
        }
        m_script.dialogs[id] = std::move(dialog);
    }

    ControlTemplate Control() {
        ControlTemplate control;
        const Value text = Expression();
        control.text = text.isText ? text.text : std::string(); // an id names a picture
        ExpectComma();
        control.id = static_cast<int>(Number());
        ExpectComma();
        control.className = Text();
        ExpectComma();
        control.style = static_cast<DWORD>(Number()) | kControlDefaultStyle;
        ExpectComma();
        control.rect = Rectangle();
        if (TakePunctuation(',')) {
            control.exStyle = static_cast<DWORD>(Number());
        }
        return control;
    }

    std::string m_path;
    std::vector<ResourceToken> m_tokens;
    std::size_t m_pos = 0;
    ResourceScript& m_script;
    Symbols& m_symbols;
};

} // namespace

ResourceScript ParseResourceScript(const std::string& path) {
    ResourceScript script;
    Symbols symbols;
    FileParser(path, script, symbols).ParseAll();
    return script;
}

const ResourceScript& ProgramResources() {
    static const ResourceScript script = ParseResourceScript(VELKAN_RESOURCE_SCRIPT);
    return script;
}

} // namespace headless::detail
