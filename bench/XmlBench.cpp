// Parsing and walking an exchange-style document of about 1 MB, and building a large macro file.
#include <benchmark/benchmark.h>

#include <string>

#include "store/XmlDocument.h"

namespace quillon {
namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr const char* kMouseKeys[] = {"button_respondtime", "report_rate",   "sensor_flag",
                                      "liftoff_height",     "scroll_flag",   "move_light_flag",
                                      "move_wakeUp_flag",   "e-sports_flag", "leftbtn_lock"};

// Profiles with their button, DPI and performance elements, each followed by a macro, until the
// text reaches `size` bytes.
std::string ExchangeDocument(size_t size) {
    std::string text = kDeclaration;
    text += "<exchange>\r\n";
    for (int p = 0; text.size() < size; ++p) {
        const std::string n = std::to_string(p);
        text += "<profile>\r\n<profileinfo name=\"Profile " + n + " &amp; &#x4E2D;\">\r\n";
        text += "<keyitems>\r\n";
        for (int k = 1; k <= 9; ++k) {
            text += "<item key_code=\"" + std::to_string(k) + "\" macro_type=\"1\" macro_value=\"" +
                    n + "\" macro_value2=\"0\" macro_value3=\"0\" macro_desc=\"Key &quot;" + n +
                    "&quot;\"/>\r\n";
        }
        text += "</keyitems>\r\n<Mouse_DPI dpi_flag=\"63\" dpi_index=\"1\" dpi_count=\"6\">\r\n";
        for (int d = 1; d <= 6; ++d) {
            text += "<DPI" + std::to_string(d) + " value=\"" + std::to_string(d * 800) +
                    "\" color=\"16711680\"/>\r\n";
        }
        text += "</Mouse_DPI>\r\n<Mouse>\r\n";
        for (const char* key : kMouseKeys) {
            text += "<" + std::string(key) + " value=\"1\"/>\r\n";
        }
        text += "</Mouse>\r\n</profileinfo>\r\n</profile>\r\n";
        text += "<macro>\r\n<macroinfo macro_name=\"Macro " + n +
                "\" macro_type=\"1\" play_times=\"1\" delay_type=\"0\" delay_time=\"10\"/>\r\n";
        text += "<macroitems>\r\n";
        for (int i = 0; i < 10; ++i) {
            text += "<item desc=\"A\" index=\"" + std::to_string(i) + "\" type=\"" +
                    std::to_string(i % 2) + "\" value=\"65\" timestamp=\"30\"/>\r\n";
        }
        text += "</macroitems>\r\n</macro>\r\n";
    }
    return text + "</exchange>\r\n";
}

// Reads every attribute the import code reads; returns the total length read.
size_t WalkExchange(XmlDocument& doc) {
    size_t total = 0;
    const auto read = [&](const char* name) { total += doc.GetAttribute(name).size(); };
    doc.FindElement("exchange");
    doc.EnterElement();
    while (doc.FindElement("profile")) {
        doc.EnterElement();
        doc.FindElement("profileinfo");
        read("name");
        doc.EnterElement();
        if (doc.FindElement("keyitems")) {
            doc.EnterElement();
            while (doc.FindElement("item")) {
                for (const char* a : {"key_code", "macro_type", "macro_value", "macro_value2",
                                      "macro_value3", "macro_desc"}) {
                    read(a);
                }
            }
            doc.LeaveElement();
        }
        if (doc.FindElement("Mouse_DPI")) {
            read("dpi_flag");
            read("dpi_index");
            read("dpi_count");
            doc.EnterElement();
            for (const char* dpi : {"DPI1", "DPI2", "DPI3", "DPI4", "DPI5", "DPI6"}) {
                if (doc.FindElement(dpi)) {
                    read("value");
                    read("color");
                }
            }
            doc.LeaveElement();
        }
        if (doc.FindElement("Mouse")) {
            doc.EnterElement();
            for (const char* key : kMouseKeys) {
                if (doc.FindElement(key)) {
                    read("value");
                }
            }
            doc.LeaveElement();
        }
        doc.LeaveElement();
        doc.LeaveElement();
        if (doc.FindElement("macro")) {
            doc.EnterElement();
            doc.FindElement("macroinfo");
            read("macro_name");
            if (doc.FindElement("macroitems")) {
                doc.EnterElement();
                while (doc.FindElement("item")) {
                    for (const char* a : {"desc", "index", "type", "value", "timestamp"}) {
                        read(a);
                    }
                }
                doc.LeaveElement();
            }
            doc.LeaveElement();
        }
    }
    return total;
}

void BM_XmlParseAndWalkExchange1MB(benchmark::State& state) {
    const std::string text = ExchangeDocument(size_t{1} << 20);
    for (auto _ : state) {
        XmlDocument doc;
        if (!doc.SetDocument(text)) {
            state.SkipWithError("generated document is not well-formed");
            break;
        }
        benchmark::DoNotOptimize(WalkExchange(doc));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_XmlParseAndWalkExchange1MB)->Unit(benchmark::kMillisecond);

// Export of a macro with many steps: every step is one AddElement and five SetAttribute calls.
void BM_XmlBuildMacroFile(benchmark::State& state) {
    for (auto _ : state) {
        XmlDocument doc;
        doc.SetDocument(kDeclaration);
        doc.AddElement("macro");
        doc.EnterElement();
        doc.AddElement("macroinfo");
        doc.SetAttribute("macro_name", "Macro");
        doc.AddElement("macroitems");
        doc.EnterElement();
        for (int64_t i = 0; i < state.range(0); ++i) {
            doc.AddElement("item");
            doc.SetAttribute("desc", "A");
            doc.SetAttribute("index", std::to_string(i));
            doc.SetAttribute("type", "0");
            doc.SetAttribute("value", "65");
            doc.SetAttribute("timestamp", "30");
        }
        benchmark::DoNotOptimize(doc.GetDocument().size());
    }
}
BENCHMARK(BM_XmlBuildMacroFile)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon
