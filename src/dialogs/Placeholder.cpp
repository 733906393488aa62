// replaced by the first source of this library
