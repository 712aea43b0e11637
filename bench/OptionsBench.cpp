// Reading and writing the game options file at sizes from 10 KB to 10 MB: the launcher's reader
// (LoadOptionsDocument: load, then walk into the settings table) and the game options writer
// (GameOptionsText), each beside libxml2 parsing the same bytes alone (xmlReadMemory). Prints
// one Markdown table per shape of file.
// Usage: velkan_bench [BASE_OPTIONS_XML]
#include "bench/OptionsSamples.h"
#include "bench/Timing.h"
#include "framework/headless/Headless.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/OptionsFiles.h"
#include "tests/support/TempFolder.h"

#include <libxml/parser.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

constexpr double kMegabyte = 1e6;
const std::size_t kSizes[] = {10'000, 100'000, 1'000'000, 10'000'000};

// Keeps the written texts observable, so that no call can be left out.
volatile std::size_t g_writtenBytes = 0;

struct Row {
    std::size_t bytes = 0;
    std::size_t elements = 0;
    std::size_t written = 0;
    double parse = 0; // seconds per call
    double load = 0;
    double write = 0;
};

std::size_t CountElements(const std::string& sample) {
    std::size_t count = 0;
    for (std::size_t at = sample.find("</"); at != std::string::npos;
         at = sample.find("</", at + 2)) {
        ++count;
    }
    return count;
}

double ParseSeconds(const std::string& sample) {
    const auto parse = [&sample] {
        return xmlReadMemory(sample.data(), static_cast<int>(sample.size()), "options.xml", nullptr,
                             XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    };
    xmlDoc* checked = parse();
    if (checked == nullptr) {
        throw std::runtime_error("libxml2 does not parse the sample");
    }
    xmlFreeDoc(checked);
    return MedianSeconds([&parse] { xmlFreeDoc(parse()); });
}

Row Measure(const std::string& sample, const std::filesystem::path& path) {
    WriteBytes(path, sample);
    const CString launcherPath(path.string());

    CLauncherDlg dlg;
    if (dlg.m_pXMLDoc.CreateInstance() != 0 || !dlg.LoadOptionsDocument(launcherPath) ||
        !headless::MessageBoxes().empty()) {
        throw std::runtime_error("the launcher does not read the sample");
    }

    Row row;
    row.bytes = sample.size();
    row.elements = CountElements(sample);
    row.written = GameOptionsText(dlg).size();
    row.parse = ParseSeconds(sample);
    row.load = MedianSeconds([&dlg, &launcherPath] { dlg.LoadOptionsDocument(launcherPath); });
    row.write = MedianSeconds([&dlg] { g_writtenBytes = GameOptionsText(dlg).size(); });
    return row;
}

// Milliseconds with three significant digits or so.
void PrintMilliseconds(double milliseconds) {
    const int decimals = milliseconds >= 100  ? 0
                         : milliseconds >= 10 ? 1
                         : milliseconds >= 1  ? 2
                                              : 3;
    std::printf(" %.*f |", decimals, milliseconds);
}

void PrintRow(const Row& row) {
    const double megabytes = static_cast<double>(row.bytes) / kMegabyte;
    const double writtenMegabytes = static_cast<double>(row.written) / kMegabyte;
    std::printf("| %zu | %zu |", row.bytes, row.elements);
    PrintMilliseconds(row.parse * 1e3);
    PrintMilliseconds(row.parse * 1e3 / megabytes);
    PrintMilliseconds(row.load * 1e3);
    PrintMilliseconds(row.load * 1e3 / megabytes);
    std::printf(" %.2f | %zu |", row.load / row.parse, row.written);
    PrintMilliseconds(row.write * 1e3);
    PrintMilliseconds(row.write * 1e3 / writtenMegabytes);
    std::printf(" %.2f |\n", row.write / row.parse);
}

void PrintShape(const char* title, const std::string& base, CSampleShape shape,
                const std::filesystem::path& folder) {
    std::printf("\n%s\n\n", title);
    std::printf("| bytes | elements | xmlReadMemory ms | ms/MB | LoadOptionsDocument ms | ms/MB "
                "| × xmlReadMemory | bytes written | GameOptionsText ms | ms/MB written "
                "| × xmlReadMemory |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    std::vector<Row> rows;
    for (const std::size_t size : kSizes) {
        rows.push_back(Measure(OptionsSample(base, shape, size), folder / "options.xml"));
        PrintRow(rows.back());
        std::fflush(stdout);
    }
    const Row& first = rows.front();
    const Row& last = rows.back();
    std::printf("\nFrom the smallest file to the largest (×%.0f in bytes, ×%.0f in bytes written) "
                "the time per call grows ×%.0f for xmlReadMemory, ×%.0f for LoadOptionsDocument "
                "and ×%.0f for GameOptionsText.\n",
                static_cast<double>(last.bytes) / static_cast<double>(first.bytes),
                static_cast<double>(last.written) / static_cast<double>(first.written),
                last.parse / first.parse, last.load / first.load, last.write / first.write);
}

} // namespace

int main(int argc, char** argv) {
    const std::string base = ReadBytes(argc > 1 ? argv[1] : VELKAN_DEMO_OPTIONS);
    if (base.empty()) {
        std::fprintf(stderr, "velkan_bench: cannot read the base options file\n");
        return 1;
    }
    xmlInitParser();
    try {
        const TempFolder folder;
        std::printf("Options files: times per call (median of %d batches), MB = 10^6 bytes.\n",
                    kTimingBatches);
        PrintShape("The Multiplayer section repeated (many short elements):", base,
                   CSampleShape::ManyElements, folder.Path());
        PrintShape("One Multiplayer section of long texts (few elements, every byte kept):", base,
                   CSampleShape::LongValues, folder.Path());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velkan_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
