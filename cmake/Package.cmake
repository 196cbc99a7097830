# The Debian package ("make package" → build/package/tavelo_<version>_<arch>.deb).
#
#   /opt/tavelo/                the program, its eight libraries (found through
#                               RUNPATH $ORIGIN), the six films, pictures/ (where a
#                               school drops its own screenshots) and four links
#                               ad.txt, profs.txt, classes.txt, sauvegardes → /var/lib/tavelo
#   /usr/bin/tavelo             a link to the program (its folder is still /opt/tavelo)
#   /usr/share/tavelo/          the delivered lists, copied by postinst into
#                               /var/lib/tavelo when they are missing there
#   /usr/share/applications, /usr/share/icons/hicolor, man page, copyright, changelog
#
# /var/lib/tavelo itself is never part of the package: postinst creates it once, and
# dpkg then never removes or resets what the pupils wrote there.

# Packaging installs only the program and what it ships: it needs neither the tests
# nor the tools built ("make package" builds everything first all the same).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(TAVELO_LIBRARIES tavelo_records tavelo_pictures tavelo_widgets tavelo_framework tavelo_dialogs
    tavelo_administration tavelo_exercises tavelo_shell)
set(PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)

# The icon at each size of the hicolor theme, drawn by the program itself.
add_executable(tavelo-icons tools/tavelo-icons.cpp)
target_link_libraries(tavelo-icons PRIVATE tavelo_shell)
add_custom_command(OUTPUT ${PACKAGE_FILES}/icons/256x256/apps/tavelo.png
  COMMAND tavelo-icons ${PACKAGE_FILES}/icons
  DEPENDS tavelo-icons VERBATIM)
# The manual page and the changelog, compressed as Debian wants them.
add_custom_command(OUTPUT ${PACKAGE_FILES}/tavelo.1.gz ${PACKAGE_FILES}/changelog.gz
  COMMAND sh -c "gzip -9nc \"$0\" > \"$2\" && gzip -9nc \"$1\" > \"$3\""
          ${CMAKE_SOURCE_DIR}/packaging/tavelo.1 ${CMAKE_SOURCE_DIR}/packaging/changelog
          ${PACKAGE_FILES}/tavelo.1.gz ${PACKAGE_FILES}/changelog.gz
  DEPENDS packaging/tavelo.1 packaging/changelog VERBATIM)
add_custom_target(package-files ALL
  DEPENDS ${PACKAGE_FILES}/icons/256x256/apps/tavelo.png ${PACKAGE_FILES}/tavelo.1.gz ${PACKAGE_FILES}/changelog.gz)

# Installed, the program finds its libraries beside it, wherever /usr/bin/tavelo
# points from; link-only hardening (read-only relocations, bound at start).
set_target_properties(tavelo ${TAVELO_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")
target_link_options(tavelo PRIVATE LINKER:-z,relro LINKER:-z,now)
foreach(library ${TAVELO_LIBRARIES})
  target_link_options(${library} PRIVATE LINKER:-z,relro LINKER:-z,now)
endforeach()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(READABLE OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(TARGETS tavelo RUNTIME DESTINATION opt/tavelo)
install(TARGETS ${TAVELO_LIBRARIES} LIBRARY DESTINATION opt/tavelo PERMISSIONS ${READABLE})
foreach(film ${TAVELO_FILMS})
  install(FILES "${CMAKE_BINARY_DIR}/bin/${film}" DESTINATION opt/tavelo PERMISSIONS ${READABLE})
endforeach()
install(FILES packaging/LISEZMOI.txt DESTINATION opt/tavelo/pictures PERMISSIONS ${READABLE})
install(FILES data/ad.txt data/profs.txt data/classes.txt DESTINATION usr/share/tavelo PERMISSIONS ${READABLE})
install(FILES packaging/tavelo.desktop DESTINATION usr/share/applications PERMISSIONS ${READABLE})
install(DIRECTORY ${PACKAGE_FILES}/icons/ DESTINATION usr/share/icons/hicolor FILE_PERMISSIONS ${READABLE})
install(FILES ${PACKAGE_FILES}/tavelo.1.gz DESTINATION usr/share/man/man1 PERMISSIONS ${READABLE})
install(FILES packaging/copyright ${PACKAGE_FILES}/changelog.gz DESTINATION usr/share/doc/tavelo
        PERMISSIONS ${READABLE})
install(FILES packaging/lintian-overrides DESTINATION usr/share/lintian/overrides RENAME tavelo
        PERMISSIONS ${READABLE})
# The links. Between top-level folders Debian wants them absolute.
install(CODE [[
  set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  file(MAKE_DIRECTORY "${root}/usr/bin")
  file(CREATE_LINK /opt/tavelo/tavelo "${root}/usr/bin/tavelo" SYMBOLIC)
  foreach(name ad.txt profs.txt classes.txt sauvegardes)
    file(CREATE_LINK /var/lib/tavelo/${name} "${root}/opt/tavelo/${name}" SYMBOLIC)
  endforeach()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavelo")
set(CPACK_PACKAGE_CONTACT "Équipe Tavelo <tavelo@tavelo.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_THREADS 2)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "entraînement aux compétences informatiques pour le collège")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Vingt-neuf exercices guidés reproduisent des logiciels de tous les jours
(bureau, explorateur de fichiers, traitement de texte, tableur, navigateur,
messagerie) : l'élève suit les consignes, chaque fausse manœuvre est comptée
et chaque compétence réussie est enregistrée. Les professeurs suivent les
élèves et les classes dans une console protégée par un mot de passe.

Les fiches des élèves et les listes sont dans /var/lib/tavelo, accessibles en
écriture au groupe tavelo : ajoutez-y les comptes des élèves.]])
# Qt and the C++ library come from dpkg-shlibdeps; what is loaded at run time
# (fonts, icons, the media back end's plugins) is listed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "adduser, breeze-icon-theme, fonts-comic-neue, fonts-liberation2, fonts-wine, fonts-dejavu-core, qt6-translations-l10n, libqt6svg6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, libxlsxwriter4, libzip4")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
