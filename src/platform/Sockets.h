// TCP connections for short request-and-answer exchanges, such as the installation report: a
// client that connects, sends and receives, each step bounded by a time limit, and a listener
// for tests and local servers. One code over the BSD socket interface, Winsock on Windows.
//
// Nothing here raises: a step that fails or runs out of time says so in its result, and the
// connection is then of no further use. A socket is closed when its owner goes; the types are
// move-only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class TcpSocket {
 public:
  using Native = intptr_t;
  static constexpr Native kNone = -1;

  TcpSocket() = default;
  explicit TcpSocket(Native native) noexcept : FNative(native) {}
  TcpSocket(TcpSocket&& other) noexcept;
  TcpSocket& operator=(TcpSocket&& other) noexcept;
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;
  ~TcpSocket();

  bool Valid() const { return FNative != kNone; }
  Native Handle() const { return FNative; }
  void Close() noexcept;

 private:
  Native FNative = kNone;
};

class TcpConnection {
 public:
  // Connects to host (a name or an IPv4 address) and port within timeoutMs; no value when the
  // name cannot be resolved, the server refuses, or the time runs out.
  static std::optional<TcpConnection> Connect(const std::string& host, uint16_t port,
                                              int timeoutMs);
  // A connection a listener accepted.
  explicit TcpConnection(TcpSocket socket) : FSocket(std::move(socket)) {}

  // Sends every byte within timeoutMs; false on a failure or when the time runs out.
  bool SendAll(std::string_view bytes, int timeoutMs);
  // Waits up to timeoutMs for data and returns what one read delivers: some bytes, an empty
  // string when the peer has closed its side, no value on a failure or when the time runs out.
  std::optional<std::string> Receive(int timeoutMs);
  // Closes the sending side; the peer then reads the end of the data.
  void ShutdownSend();

 private:
  TcpSocket FSocket;
};

class TcpListener {
 public:
  // Listens on 127.0.0.1 at port (0: a free port the system picks) with the given backlog; no
  // value when that fails.
  static std::optional<TcpListener> Open(uint16_t port = 0, int backlog = 16);

  uint16_t Port() const { return FPort; }
  // Waits up to timeoutMs for a client; no value when none came.
  std::optional<TcpConnection> Accept(int timeoutMs);

 private:
  TcpListener(TcpSocket socket, uint16_t port) : FSocket(std::move(socket)), FPort(port) {}
  TcpSocket FSocket;
  uint16_t FPort = 0;
};

}  // namespace platform
