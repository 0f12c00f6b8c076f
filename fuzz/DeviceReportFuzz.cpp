// Feeds arbitrary bytes to the decoders of what the mouse sends: a notification report, a
// button-table reply with each of its codes, and a performance-block reply. The first byte picks
// the decoder; every result must stay within the ranges the rest of the program relies on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/CommandFrame.h"
#include "protocol/ButtonCodes.h"
#include "protocol/Notification.h"
#include "protocol/PerformanceBlock.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

template <typename Bytes>
void Fill(Bytes& bytes, const std::uint8_t* data, std::size_t size) {
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
}

void Notification(const std::uint8_t* data, std::size_t size) {
    quillon::NotificationReport report{};
    Fill(report, data, size);
    const quillon::Notification note = quillon::DecodeNotification(report);
    using Kind = quillon::Notification::Kind;
    if (note.kind == Kind::Stage) {
        Require(note.value >= 1 && note.value <= quillon::kStageCount);
    }
    if (note.kind == Kind::LightMode) {
        Require(note.value >= 0 && note.value <= 6);
    }
    if (note.kind == Kind::Battery) {
        Require(note.value >= 0 && note.value <= 100);
    }
}

void ButtonTable(const std::uint8_t* data, std::size_t size) {
    quillon::CommandFrame reply;
    Fill(reply.bytes, data, size);
    std::vector<quillon::MacroHeader> macros(3);
    for (int i = 0; i < 3; ++i) {
        macros[static_cast<size_t>(i)].macro_id = 7 + i;
        macros[static_cast<size_t>(i)].name = "m";
    }
    for (const quillon::ButtonCode& code : quillon::ButtonTableOfReply(reply.data())) {
        quillon::DecodeButtonCode(code, macros);
    }
}

void PerformanceBlock(const std::uint8_t* data, std::size_t size) {
    quillon::CommandFrame reply;
    Fill(reply.bytes, data, size);
    const quillon::PerformanceReading reading = quillon::ReadPerformanceReply(reply);
    if (reading.outcome == quillon::PerformanceReading::Outcome::Store) {
        Require(quillon::ClampStageIndex(reading.values.dpiIndex) == reading.values.dpiIndex);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    switch (data[0] % 3) {
        case 0:
            Notification(data + 1, size - 1);
            break;
        case 1:
            ButtonTable(data + 1, size - 1);
            break;
        default:
            PerformanceBlock(data + 1, size - 1);
            break;
    }
    return 0;
}
