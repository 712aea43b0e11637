#include "framework/XmlDocument.h"
#include "framework/ComError.h"
#include "framework/headless/Headless.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Elements nested this deep, each closed.
std::string Nested(int depth) {
    std::string open;
    std::string close;
    for (int i = 0; i < depth; ++i) {
        open += "<a>";
        close += "</a>";
    }
    return open + close;
}

class XmlDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        ASSERT_EQ(document.CreateInstance(), 0);
    }

    // Loads a file of these bytes, named the Windows way.
    BOOL Load(const std::string& bytes, const char* name = "doc.xml") {
        WriteBytes(folder.Path() / name, bytes);
        return document.Load(CString(folder.Path().string() + "\\" + name));
    }

    std::vector<std::string> ChildNames(const CXmlNode& node) {
        std::vector<std::string> names;
        for (CXmlNode child = node.FirstChild(); child; child = child.NextSibling()) {
            names.push_back(child.NodeName().Bytes());
        }
        return names;
    }

    TempFolder folder;
    CXmlDocument document;
};

TEST_F(XmlDocumentTest, NodesAreNamedAsTheDocumentObjectNamesThem) {
    ASSERT_TRUE(Load("<?xml version=\"1.0\"?><r><a/><!-- note --><![CDATA[x]]><?target data?>"
                     "text<p:b xmlns:p=\"urn:p\"/></r>"));
    EXPECT_EQ(
        ChildNames(document.DocumentElement()),
        (std::vector<std::string>{"a", "#comment", "#cdata-section", "target", "#text", "p:b"}));
}

TEST_F(XmlDocumentTest, WhiteSpaceOnlyTextIsDropped) {
    ASSERT_TRUE(Load("<r>\r\n\t<a> x </a>\n  <!-- c -->\n\t<b/>\r\n</r>"));
    const CXmlNode root = document.DocumentElement();
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"a", "#comment", "b"}));
    EXPECT_EQ(root.Xml(), "<r><a> x </a><!-- c --><b/></r>");

    ASSERT_TRUE(Load("<r xml:space=\"preserve\"> <a/></r>"));
    EXPECT_EQ(ChildNames(document.DocumentElement()), (std::vector<std::string>{"#text", "a"}));
}

TEST_F(XmlDocumentTest, TextAndMarkupOfElements) {
    const struct {
        const char* name;
        std::string document;
        const char* text;
        const char* xml;
    } cases[] = {
        {"trimmed at both ends", "<a>\r\n\t x  y \n</a>", "x  y", "<a>\n\t x  y \n</a>"},
        {"descendants joined, comments left out", "<a>1<b>2<!--no-->3</b> <c>4</c></a>", "1234",
         "<a>1<b>2<!--no-->3</b><c>4</c></a>"},
        {"references resolved in text, kept in markup", "<a k='v &amp; w'>&lt;&#65;&amp;&gt;</a>",
         "<A&>", "<a k=\"v &amp; w\">&lt;A&amp;&gt;</a>"},
        {"cdata as it is", "<a><![CDATA[<x> & ]]></a>", "<x> &", "<a><![CDATA[<x> & ]]></a>"},
        {"an empty element", "<a/>", "", "<a/>"},
        {"blanks that are not XML white space stay", "<a>\xC2\xA0x\xC2\xA0</a>", "\xA0x\xA0",
         "<a>\xA0x\xA0</a>"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(Load(test.document));
        const CXmlNode root = document.DocumentElement();
        EXPECT_EQ(root.Text(), test.text);
        EXPECT_EQ(root.Xml(), test.xml);
    }
}

TEST_F(XmlDocumentTest, TextArrivesInTheAnsiCodePage) {
    const struct {
        const char* name;
        std::string document;
        std::string text;
    } cases[] = {
        {"UTF-8", "<a>Caf\xC3\xA9 \xE2\x82\xAC\xE2\x84\xA2</a>", "Caf\xE9 \x80\x99"},
        {"characters the code page lacks", "<a>\xCE\xA9-\xF0\x9F\x98\x80</a>", "?-?"},
        {"undeclared and not UTF-8: the code page", "<a>Caf\xE9 \x80\x81\x9F</a>",
         "Caf\xE9 \x80\x81\x9F"},
        {"declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>Caf\xE9</a>", "Caf\xE9"},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF<a>Caf\xC3\xA9</a>", "Caf\xE9"},
        {"UTF-16 with a byte order mark", std::string("\xFF\xFE<\0a\0>\0\xE9\0<\0/\0a\0>\0", 18),
         "\xE9"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(Load(test.document));
        EXPECT_EQ(document.DocumentElement().Text().Bytes(), test.text);
    }
}

TEST_F(XmlDocumentTest, DocumentsThatDoNotLoad) {
    const struct {
        const char* name;
        std::string document;
    } cases[] = {
        {"not well-formed", "<a><b></a>"},
        {"empty", ""},
        {"a DOCTYPE", "<!DOCTYPE a><a/>"},
        {"a DOCTYPE with entities", "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"},
        {"an undeclared entity", "<a>&e;</a>"},
        {"declared UTF-8 that is not", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\xE9</a>"},
        {"well-formed but nested too deep", Nested(300)},
    };
    ::testing::internal::CaptureStderr();
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(Load("<ok/>"));
        EXPECT_FALSE(Load(test.document));
        EXPECT_FALSE(document.DocumentElement());
    }
    EXPECT_FALSE(document.Load(CString((folder.Path() / "missing.xml").string())));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), ""); // failures are not reported
}

// Watches a file for any opening while it lives.
class OpenWatch {
public:
    explicit OpenWatch(const std::filesystem::path& path) : m_fd(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(m_fd, path.c_str(), IN_OPEN | IN_ACCESS);
    }
    ~OpenWatch() { close(m_fd); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool Opened() const {
        char events[4096];
        return read(m_fd, events, sizeof events) > 0;
    }

private:
    int m_fd;
};

TEST_F(XmlDocumentTest, AnExternalEntityIsNeverRead) {
    const auto secret = folder.Path() / "secret.txt";
    WriteBytes(secret, "secret");
    const OpenWatch watch(secret);
    EXPECT_FALSE(Load("<!DOCTYPE a [<!ENTITY e SYSTEM \"" + secret.string() + "\">]><a>&e;</a>"));
    EXPECT_FALSE(Load("<!DOCTYPE a SYSTEM \"" + secret.string() + "\"><a/>"));
    EXPECT_FALSE(watch.Opened());
}

TEST_F(XmlDocumentTest, NodesOfTheLastDocumentOutliveAFailedLoad) {
    ASSERT_TRUE(Load("<first><kept>value</kept></first>"));
    const CXmlNode root = document.DocumentElement();
    EXPECT_FALSE(Load("<broken>"));
    EXPECT_FALSE(document.DocumentElement());
    EXPECT_EQ(root.NodeName(), "first");
    EXPECT_EQ(root.FirstChild().Text(), "value");

    document.Release();
    EXPECT_EQ(root.FirstChild().NodeName(), "kept");
}

TEST_F(XmlDocumentTest, WalkingPastTheEndGivesEmptyHandles) {
    ASSERT_TRUE(Load("<a>x</a>"));
    const CXmlNode text = document.DocumentElement().FirstChild();
    EXPECT_FALSE(text.FirstChild());
    EXPECT_FALSE(text.NextSibling());
    EXPECT_FALSE(text.NextSibling().NextSibling().FirstChild());
    try {
        text.NextSibling().NodeName();
        FAIL() << "no error raised";
    } catch (const CComError& error) {
        EXPECT_EQ(error.Error(), E_POINTER_RESULT);
    }
}

TEST(XmlDocument, CreationFailsOnceWhenAFailureIsInjected) {
    headless::Reset();
    const HRESULT notRegistered = AfxHResult(0x80040154);
    headless::FailNextCreateInstance(notRegistered);
    CXmlDocument document;
    EXPECT_EQ(document.CreateInstance(), notRegistered);
    EXPECT_FALSE(document);
    try {
        document.Load("doc.xml");
        FAIL() << "no error raised";
    } catch (const CComError& error) {
        EXPECT_EQ(error.Error(), E_POINTER_RESULT);
    }
    EXPECT_EQ(document.CreateInstance(), 0);
    EXPECT_TRUE(document);
}

} // namespace
