#pragma once
// "Start_log.txt": appended to, opened and closed around each group of entries, never truncated.
#include <filesystem>
#include <fstream>
#include <string>

class StartLog {
  public:
    // The bare name, relative to the current directory, unless a test points elsewhere.
    static void SetPath(std::filesystem::path path);
    static std::filesystem::path Path();

    StartLog();  // opens for appending (created when missing)
    ~StartLog(); // closes
    StartLog(const StartLog&) = delete;
    StartLog& operator=(const StartLog&) = delete;

    void Line(const std::string& text);

  private:
    std::ofstream out_;
};

// One line in its own open/close group.
void StartLogLine(const std::string& text);
