#pragma once
// Commands to the JIG with their bounded reply waits, as the handlers and the worker send
// them. A reply that does not come marks the link lost: later commands still go out (a JIG
// that recovers gets them) but nothing more is waited for.
#include "modes/Nuvoton_jtag_form/JtagFrames.h"
#include "modes/Nuvoton_jtag_form/NuvJtagSession.h"

#include <optional>
#include <span>
#include <string>

class JtagChannel {
  public:
    explicit JtagChannel(NuvJtagSession& session) : s_(session) {}

    // Sends `frame`, then takes exactly `replyBytes` into the link's buffer. False, with
    // Failure() naming `step`, when they do not come within `bound`.
    bool Exchange(std::span<const std::uint8_t> frame, std::size_t replyBytes, Millis bound,
                  const std::string& step);
    bool Run(const NuvJtag::JigCommand& command, const std::string& step);
    // A shared command by name ("SPI_ON", "BUZ_ER" ...) with its arguments.
    bool Named(const char* name, std::span<const std::uint8_t> arguments = {});
    // A pair sent as two single shifts; the value shifted out of the second.
    std::optional<std::uint32_t> Pair(const NuvJtag::PairEntry& entry, const std::string& step);
    // A batch and its status byte.
    std::optional<std::uint8_t>
    Batch(std::uint8_t mode, std::span<const NuvJtag::PairEntry> entries, const std::string& step);

    const std::string& Failure() const { return failure_; }
    std::uint8_t* Reply() { return s_.link.Buffer(); }

  private:
    NuvJtagSession& s_;
    std::string failure_;
};
