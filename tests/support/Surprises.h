#pragma once
// Protocol surprises of the simulated JIGs a test ran, in-process or in a program it started:
// the test takes those it expects, and whatever is left when it ends fails it.
#include "sim/SimSurprise.h"

#include <string>
#include <vector>

// Starts collecting (once per test program); MakeSim and the process runners call it.
void WatchSurprises();
// The surprises recorded since the test started or since the last call; they no longer fail
// the test.
std::vector<SimSurprise> TakeSurprises();
// Surprises that a program printed on its stderr.
void NoteSurprisesIn(const std::string& stderrText);
// The surprises as lines, for a failure message or a comparison.
std::string DescribeSurprises(const std::vector<SimSurprise>& surprises);
// Takes the one surprise a test caused and checks its bytes and that its step names `where`.
void ExpectOneSurprise(const std::string& bytes, const std::string& where);
// Takes the surprises, as their bytes.
std::vector<std::string> SurpriseBytes();
