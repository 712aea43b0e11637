#include "framework/headless/ResourceLexer.h"

#include <cctype>
#include <stdexcept>

namespace headless::detail {

namespace {

class Lexer {
public:
    explicit Lexer(const std::string& text) : m_text(text) {}

    std::vector<ResourceToken> Run() {
        std::vector<ResourceToken> tokens;
        bool lineStart = true;
        while (m_pos < m_text.size()) {
            const char ch = m_text[m_pos];
            if (ch == '\n') {
                ++m_line;
                ++m_pos;
                lineStart = true;
            } else if (std::isspace(static_cast<unsigned char>(ch))) {
                ++m_pos;
            } else if (SkipComment()) {
                continue;
            } else if (ch == '#' && lineStart) {
                tokens.push_back(Directive());
            } else {
                lineStart = false;
                tokens.push_back(Next());
            }
        }
        return tokens;
    }

private:
    char At(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

    [[noreturn]] void Fail(const char* what) const {
        throw std::runtime_error("resource script, line " + std::to_string(m_line) + ": " + what);
    }

    bool SkipComment() {
        if (At(m_pos) != '/') {
            return false;
        }
        if (At(m_pos + 1) == '/') {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n') {
                ++m_pos;
            }
            return true;
        }
        if (At(m_pos + 1) == '*') {
            const std::size_t end = m_text.find("*/", m_pos + 2);
            if (end == std::string::npos) {
                Fail("unterminated comment");
            }
            for (std::size_t i = m_pos; i < end; ++i) {
                m_line += m_text[i] == '\n' ? 1 : 0;
            }
            m_pos = end + 2;
            return true;
        }
        return false;
    }

    ResourceToken Directive() {
        const std::size_t end = m_text.find('\n', m_pos);
        const std::size_t stop = end == std::string::npos ? m_text.size() : end;
        ResourceToken token{ResourceToken::Kind::Directive, m_text.substr(m_pos, stop - m_pos), 0,
                            m_line};
        m_pos = stop;
        return token;
    }

    ResourceToken Next() {
        const char ch = m_text[m_pos];
        if (ch == '"') {
            return String();
        }
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            return Number();
        }
        if (std::isalpha(static_cast<unsigned char>(ch)) || ch == '_') {
            const std::size_t start = m_pos;
            while (std::isalnum(static_cast<unsigned char>(At(m_pos))) || At(m_pos) == '_') {
                ++m_pos;
            }
            return {ResourceToken::Kind::Identifier, m_text.substr(start, m_pos - start), 0,
                    m_line};
        }
        ++m_pos;
        return {ResourceToken::Kind::Punctuation, std::string(1, ch), 0, m_line};
    }

    ResourceToken Number() {
        const std::size_t start = m_pos;
        while (std::isalnum(static_cast<unsigned char>(At(m_pos)))) {
            ++m_pos;
        }
        std::string digits = m_text.substr(start, m_pos - start);
        while (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l' ||
                                   digits.back() == 'U' || digits.back() == 'u')) {
            digits.pop_back();
        }
        std::size_t used = 0;
        long long value = 0;
        try {
            value = std::stoll(digits, &used, 0);
        } catch (const std::exception&) {
            Fail("bad number");
        }
        if (used != digits.size()) {
            Fail("bad number");
        }
        return {ResourceToken::Kind::Number, digits, value, m_line};
    }

    ResourceToken String() {
        const int line = m_line;
        std::string bytes;
        ++m_pos;
        for (;;) {
            if (m_pos >= m_text.size() || m_text[m_pos] == '\n') {
                Fail("unterminated string");
            }
            const char ch = m_text[m_pos++];
            if (ch == '"') {
                if (At(m_pos) != '"') {
                    break;
                }
                ++m_pos; // "" stands for one quote
                bytes += '"';
            } else if (ch == '\\') {
                bytes += Escape(At(m_pos++));
            } else {
                bytes += ch;
            }
        }
        return {ResourceToken::Kind::String, bytes, 0, line};
    }

    static char Escape(char ch) {
        switch (ch) {
        case 'n':
            return '\n';
        case 't':
            return '\t';
        case 'r':
            return '\r';
        case 'a':
            return '\a';
        case '0':
            return '\0';
        default:
            return ch;
        }
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};

} // namespace

std::vector<ResourceToken> TokenizeResourceText(const std::string& text) {
    return Lexer(text).Run();
}

} // namespace headless::detail
