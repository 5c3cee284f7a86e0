#pragma once
// An alternate signal stack for the thread that creates it. A fatal-signal handler runs on
// it, so a thread whose own stack overflowed still gets its crash written: without one, the
// kernel finds no stack to run the handler on and ends the process silently. Every thread
// the program starts creates one first thing and keeps it until it ends.

#include <csignal>

class ThreadSignalStack {
public:
    // Maps the stack and installs it for the calling thread; `name`, when given, becomes
    // the thread's name in crash reports (the system keeps its first 15 characters).
    explicit ThreadSignalStack(const char* name = nullptr);
    // Puts back what the thread had before and unmaps the stack.
    ~ThreadSignalStack();
    ThreadSignalStack(const ThreadSignalStack&) = delete;
    ThreadSignalStack& operator=(const ThreadSignalStack&) = delete;

    bool installed() const { return m_stack != nullptr; }

private:
    void* m_stack = nullptr;
    stack_t m_previous{};
};
