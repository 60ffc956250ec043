// read_ahead.h — files read by a second thread while the caller takes them in, in order.
// Reading a board waits on the system, parsing one waits on nothing: the first Enter reads
// every board, and both together take hardly longer than the reading alone.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class ReadAhead {
  public:
    using Reader = std::function<std::optional<std::string>(const std::string& path)>;
    // `read` runs on the other thread, once per path, in the paths' order.
    ReadAhead(std::vector<std::string> paths, Reader read);
    // Stops reading what nobody took yet and waits for the file being read.
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    std::size_t size() const { return paths_.size(); }
    // What `read` gave for the path at `at`, waiting until it is there; each once.
    std::optional<std::string> Take(std::size_t at);

  private:
    void Run();

    std::vector<std::string> paths_;
    Reader read_;
    std::vector<std::optional<std::string>> contents_;
    std::size_t ready_ = 0;  // paths read so far
    bool stop_ = false;
    std::mutex lock_;
    std::condition_variable readyChanged_;
    std::thread thread_;
};
