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

    // Sends `frame`, then takes its reply of `replyBytes`. False, with Failure() naming `step`,
    // when it does not come within `bound` or more than it came.
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
    // The reply of the last command that was waited for.
    const Reply& Last() const { return last_; }

  private:
    NuvJtagSession& s_;
    std::string failure_;
    Reply last_;
};
