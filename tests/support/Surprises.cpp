#include "support/Surprises.h"

#include <gtest/gtest.h>
#include <mutex>

namespace {
std::mutex& Mutex() {
    static std::mutex m;
    return m;
}

std::vector<SimSurprise>& Pending() {
    static std::vector<SimSurprise> p;
    return p;
}

void Note(const SimSurprise& s) {
    std::lock_guard lock(Mutex());
    Pending().push_back(s);
}

// Fails a test that leaves a surprise behind. End events reach listeners in reverse order, so
// this one runs before the result printer and the failure counts for the test.
class SurpriseListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { TakeSurprises(); }
    void OnTestEnd(const testing::TestInfo&) override {
        const std::vector<SimSurprise> left = TakeSurprises();
        if (!left.empty())
            ADD_FAILURE() << "the simulated JIG met bytes its firmware would not accept:\n"
                          << DescribeSurprises(left);
    }
};
} // namespace

void WatchSurprises() {
    static const bool installed = [] {
        SetSimSurpriseObserver(Note);
        testing::UnitTest::GetInstance()->listeners().Append(new SurpriseListener);
        return true;
    }();
    (void)installed;
}

std::vector<SimSurprise> TakeSurprises() {
    std::lock_guard lock(Mutex());
    std::vector<SimSurprise> taken;
    taken.swap(Pending());
    return taken;
}

void NoteSurprisesIn(const std::string& stderrText) {
    WatchSurprises();
    for (const SimSurprise& s : ParseSimSurprises(stderrText))
        Note(s);
}

std::string DescribeSurprises(const std::vector<SimSurprise>& surprises) {
    std::string text;
    for (const SimSurprise& s : surprises)
        text += s.Describe() + "\n";
    return text;
}

void ExpectOneSurprise(const std::string& bytes, const std::string& where) {
    const std::vector<SimSurprise> s = TakeSurprises();
    ASSERT_EQ(s.size(), 1u) << DescribeSurprises(s);
    EXPECT_EQ(std::string(s[0].bytes.begin(), s[0].bytes.end()), bytes) << s[0].Describe();
    EXPECT_NE(s[0].step.find(where), std::string::npos) << s[0].Describe();
}

std::vector<std::string> SurpriseBytes() {
    std::vector<std::string> out;
    for (const SimSurprise& s : TakeSurprises())
        out.emplace_back(s.bytes.begin(), s.bytes.end());
    return out;
}
