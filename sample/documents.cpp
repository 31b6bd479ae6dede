#include "documents.h"

#include <fmt/format.h>

#include "names.h"

namespace qor::sample {
namespace {

// Modulus-11 check digit over the digits, weights given from the first.
char CheckDigit(const std::string& digits, const int* weights) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += (digits[i] - '0') * weights[i];
    const int rest = sum % 11;
    return static_cast<char>('0' + (rest < 2 ? 0 : 11 - rest));
}

}  // namespace

std::string Cpf(Random& random) {
    static const int w1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int w2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string d = random.Digits(9);
    d += CheckDigit(d, w1);
    d += CheckDigit(d, w2);
    return fmt::format("{}.{}.{}-{}", d.substr(0, 3), d.substr(3, 3), d.substr(6, 3), d.substr(9, 2));
}

std::string Cnpj(Random& random) {
    static const int w1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int w2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string d = random.Digits(8) + "0001";
    d += CheckDigit(d, w1);
    d += CheckDigit(d, w2);
    return fmt::format("{}.{}.{}/{}-{}", d.substr(0, 2), d.substr(2, 3), d.substr(5, 3), d.substr(8, 4),
                       d.substr(12, 2));
}

std::string Nis(Random& random) {
    static const int w[] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string d = random.Digits("1", 9);
    return d + CheckDigit(d, w);
}

std::string Cns(Random& random) { return random.Digits(random.Chance(0.5) ? "7" : "2", 14); }

std::string Rg(Random& random) {
    const std::string d = random.Digits(8, true);
    const std::string check = random.Chance(0.1) ? "X" : random.Digits(1);
    return fmt::format("{}.{}.{}-{}", d.substr(0, 2), d.substr(2, 3), d.substr(5, 3), check);
}

std::string Phone(Random& random) { return fmt::format("(14) 3{}-{}", random.Digits(3), random.Digits(4)); }

std::string MobilePhone(Random& random) { return fmt::format("(14) 9{}-{}", random.Digits(4), random.Digits(4)); }

std::string Cep(Random& random) { return fmt::format("170{}-{}", random.Digits(2), random.Digits(3)); }

std::string Email(Random& random, const std::string& name) {
    std::string local;
    for (char c : AsciiWords(name)) {
        if (c == ' ') {
            if (!local.empty() && local.back() != '.') local += '.';
        } else {
            local += c;
        }
    }
    if (!local.empty() && local.back() == '.') local.pop_back();
    static constexpr const char* kDomains[] = {"gmail.com", "hotmail.com", "yahoo.com.br", "outlook.com",
                                               "bol.com.br"};
    const std::string number = random.Digits(2);
    return fmt::format("{}{}@{}", local, number, random.Pick(kDomains));
}

}  // namespace qor::sample
