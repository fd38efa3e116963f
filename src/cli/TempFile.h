#pragma once
// A fresh temporary file for a read-back, removed (with what a failed read kept aside) when this
// goes. Created exclusively under a name no one can guess: a file or link planted there before
// is never written through.
#include <string>

class TempFile {
  public:
    // `prefix`: the start of the file's name in the temporary folder.
    explicit TempFile(const std::string& prefix);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    // Empty when no file could be made.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
