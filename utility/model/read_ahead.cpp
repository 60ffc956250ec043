#include "utility/model/read_ahead.h"

#include <exception>
#include <system_error>
#include <utility>

ReadAhead::ReadAhead(std::vector<std::string> paths, Reader read)
    : paths_(std::move(paths)), read_(std::move(read)), contents_(paths_.size()) {
    try {
        thread_ = std::thread(&ReadAhead::Run, this);
    } catch (const std::system_error&) {
        // Without a second thread every file is read when it is taken.
    }
}

ReadAhead::~ReadAhead() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        stop_ = true;
    }
    if (thread_.joinable()) thread_.join();
}

void ReadAhead::Run() {
    for (std::size_t at = 0; at < paths_.size(); ++at) {
        {
            std::lock_guard<std::mutex> hold(lock_);
            if (stop_) return;
        }
        std::optional<std::string> content;
        try {
            content = read_(paths_[at]);
        } catch (const std::exception&) {
            // A file too large to hold is one that could not be read.
        }
        std::lock_guard<std::mutex> hold(lock_);
        contents_[at] = std::move(content);
        ready_ = at + 1;
        readyChanged_.notify_one();
    }
}

std::optional<std::string> ReadAhead::Take(std::size_t at) {
    if (at >= paths_.size()) return std::nullopt;
    if (!thread_.joinable()) return read_(paths_[at]);
    std::unique_lock<std::mutex> hold(lock_);
    readyChanged_.wait(hold, [&] { return ready_ > at; });
    return std::move(contents_[at]);
}
