#include "Exception.h"

#include <utility>

Exception::Exception(String message) : FMessage(std::move(message)), FWhat(ToUtf8(FMessage)) {}

Exception::~Exception() = default;
