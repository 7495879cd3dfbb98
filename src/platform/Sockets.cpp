// One code for both platforms: the BSD socket calls are the same under Winsock. The few that
// differ (start-up, closing, non-blocking mode, the last error, waiting) are the shims below.
#include "platform/Sockets.h"

#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

#include "platform/Clock.h"

namespace platform {
namespace {

// --- platform shims ---------------------------------------------------------------------------

#ifdef _WIN32
using NativeSocket = SOCKET;
constexpr int kSendFlags = 0;

void StartSockets() {
  // A local static is initialised once; std::call_once would link the C++ library's
  // system_error machinery.
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}

void CloseNative(TcpSocket::Native socket) {
  closesocket(static_cast<NativeSocket>(socket));
}

bool MakeNonBlocking(NativeSocket socket) {
  u_long on = 1;
  return ioctlsocket(socket, FIONBIO, &on) == 0;
}

bool ConnectPending() {
  return WSAGetLastError() == WSAEWOULDBLOCK;
}

bool WouldBlock() {
  return WSAGetLastError() == WSAEWOULDBLOCK;
}

// Waits until the socket is readable (or writable); 1 ready, 0 time out, -1 failure. A failed
// connection shows as an exceptional condition under Winsock.
int WaitSocket(NativeSocket socket, bool forWrite, int timeoutMs) {
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(socket, &ready);
  FD_SET(socket, &failed);
  timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const int count =
      select(0, forWrite ? nullptr : &ready, forWrite ? &ready : nullptr, &failed, &limit);
  if (count < 0 || FD_ISSET(socket, &failed)) return -1;
  return count;
}
#else
using NativeSocket = int;
constexpr int kSendFlags = MSG_NOSIGNAL;

void StartSockets() {}

void CloseNative(TcpSocket::Native socket) {
  close(static_cast<NativeSocket>(socket));
}

bool MakeNonBlocking(NativeSocket socket) {
  const int flags = fcntl(socket, F_GETFL, 0);
  return flags >= 0 && fcntl(socket, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool ConnectPending() {
  return errno == EINPROGRESS;
}

bool WouldBlock() {
  return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

int WaitSocket(NativeSocket socket, bool forWrite, int timeoutMs) {
  pollfd entry{socket, static_cast<short>(forWrite ? POLLOUT : POLLIN), 0};
  for (;;) {
    const int count = poll(&entry, 1, timeoutMs);
    if (count < 0 && errno == EINTR) continue;
    return count;
  }
}
#endif

// --- shared code ------------------------------------------------------------------------------

NativeSocket NativeOf(const TcpSocket& socket) {
  return static_cast<NativeSocket>(socket.Handle());
}

class Deadline {
 public:
  explicit Deadline(int timeoutMs)
      : FEnd(MonotonicMilliseconds() + static_cast<uint64_t>(timeoutMs > 0 ? timeoutMs : 0)) {}
  // Milliseconds left; 0 once the time is over.
  int Left() const {
    const uint64_t now = MonotonicMilliseconds();
    return now < FEnd ? static_cast<int>(FEnd - now) : 0;
  }

 private:
  uint64_t FEnd;
};

TcpSocket NewStreamSocket(int family) {
  StartSockets();
  const NativeSocket created = socket(family, SOCK_STREAM, IPPROTO_TCP);
#ifdef _WIN32
  if (created == INVALID_SOCKET) return TcpSocket();
#else
  if (created < 0) return TcpSocket();
#endif
  return TcpSocket(static_cast<TcpSocket::Native>(created));
}

// Connects one resolved address without blocking longer than the deadline allows.
std::optional<TcpSocket> ConnectAddress(const addrinfo& address, const Deadline& deadline) {
  TcpSocket socket = NewStreamSocket(address.ai_family);
  if (!socket.Valid() || !MakeNonBlocking(NativeOf(socket))) return std::nullopt;
  if (connect(NativeOf(socket), address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0)
    return socket;
  if (!ConnectPending()) return std::nullopt;
  if (WaitSocket(NativeOf(socket), true, deadline.Left()) != 1) return std::nullopt;
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(NativeOf(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error),
                 &length) != 0 ||
      error != 0)
    return std::nullopt;
  return socket;
}

}  // namespace

TcpSocket::TcpSocket(TcpSocket&& other) noexcept : FNative(other.FNative) {
  other.FNative = kNone;
}

TcpSocket& TcpSocket::operator=(TcpSocket&& other) noexcept {
  if (this != &other) {
    Close();
    FNative = other.FNative;
    other.FNative = kNone;
  }
  return *this;
}

TcpSocket::~TcpSocket() {
  Close();
}

void TcpSocket::Close() noexcept {
  if (FNative != kNone) CloseNative(FNative);
  FNative = kNone;
}

std::optional<TcpConnection> TcpConnection::Connect(const std::string& host, uint16_t port,
                                                    int timeoutMs) {
  StartSockets();
  const Deadline deadline(timeoutMs);
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || found == nullptr)
    return std::nullopt;
  std::optional<TcpSocket> connected;
  for (const addrinfo* address = found; address != nullptr && !connected;
       address = address->ai_next) {
    connected = ConnectAddress(*address, deadline);
  }
  freeaddrinfo(found);
  if (!connected) return std::nullopt;
  return TcpConnection(std::move(*connected));
}

bool TcpConnection::SendAll(std::string_view bytes, int timeoutMs) {
  const Deadline deadline(timeoutMs);
  while (!bytes.empty()) {
    const int chunk = static_cast<int>(std::min<size_t>(bytes.size(), 1 << 20));
    const auto sent = send(NativeOf(FSocket), bytes.data(), chunk, kSendFlags);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<size_t>(sent));
      continue;
    }
    if (sent < 0 && !WouldBlock()) return false;
    if (WaitSocket(NativeOf(FSocket), true, deadline.Left()) != 1) return false;
  }
  return true;
}

std::optional<std::string> TcpConnection::Receive(int timeoutMs) {
  const Deadline deadline(timeoutMs);
  char buffer[4096];
  for (;;) {
    const auto count = recv(NativeOf(FSocket), buffer, sizeof buffer, 0);
    if (count >= 0) return std::string(buffer, static_cast<size_t>(count));
    if (!WouldBlock()) return std::nullopt;
    if (WaitSocket(NativeOf(FSocket), false, deadline.Left()) != 1) return std::nullopt;
  }
}

void TcpConnection::ShutdownSend() {
#ifdef _WIN32
  shutdown(NativeOf(FSocket), SD_SEND);
#else
  shutdown(NativeOf(FSocket), SHUT_WR);
#endif
}

std::optional<TcpListener> TcpListener::Open(uint16_t port, int backlog) {
  TcpSocket socket = NewStreamSocket(AF_INET);
  if (!socket.Valid()) return std::nullopt;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(NativeOf(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(NativeOf(socket), backlog) != 0 || !MakeNonBlocking(NativeOf(socket)))
    return std::nullopt;
  socklen_t length = sizeof address;
  if (getsockname(NativeOf(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return std::nullopt;
  return TcpListener(std::move(socket), ntohs(address.sin_port));
}

std::optional<TcpConnection> TcpListener::Accept(int timeoutMs) {
  if (WaitSocket(NativeOf(FSocket), false, timeoutMs) != 1) return std::nullopt;
  const NativeSocket accepted = accept(NativeOf(FSocket), nullptr, nullptr);
#ifdef _WIN32
  if (accepted == INVALID_SOCKET) return std::nullopt;
#else
  if (accepted < 0) return std::nullopt;
#endif
  TcpSocket socket(static_cast<TcpSocket::Native>(accepted));
  if (!MakeNonBlocking(accepted)) return std::nullopt;
  return TcpConnection(std::move(socket));
}

}  // namespace platform
