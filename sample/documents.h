#pragma once
// Brazilian document numbers and contact texts, formatted as clerks type
// them: taxpayer numbers with their check digits, phones with parentheses
// and hyphens, postal codes with a hyphen.

#include <string>

#include "random.h"

namespace qor::sample {

std::string Cpf(Random& random);   // "123.456.789-09"
std::string Cnpj(Random& random);  // "12.345.678/0001-95"
std::string Nis(Random& random);   // 11 digits
std::string Cns(Random& random);   // 15 digits
std::string Rg(Random& random);    // "12.345.678-9"
std::string Phone(Random& random);       // "(14) 3232-1234"
std::string MobilePhone(Random& random); // "(14) 99123-4567"
std::string Cep(Random& random);         // "17012-345"
// An e-mail address made from a name.
std::string Email(Random& random, const std::string& name);

}  // namespace qor::sample
