# The hardening Debian builds its programs with (dpkg-buildflags): checked
# buffer functions, stack protection, read-only relocations bound at start.
# Not with the sanitizers or the fuzzers, which bring their own checks, nor
# without optimisation, which the checked functions need.
if(NOT KAKEIBO_SANITIZE AND NOT KAKEIBO_FUZZ)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
