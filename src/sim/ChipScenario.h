#pragma once
// What every chip module reads from its section of the scenario.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <vector>

// The value under `key` when it has the right type, else `fallback`.
int IntOr(const nlohmann::json& section, const char* key, int fallback);
bool BoolOr(const nlohmann::json& section, const char* key, bool fallback);

// A chip's memory when the scenario names no file: fixed for a given seed, different from chip
// to chip, and far from blank, so a read that returns nothing shows.
std::vector<std::uint8_t> PseudoRandomImage(std::size_t size, std::uint32_t seed);
