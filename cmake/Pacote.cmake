# The Debian package, built by `cpack -G DEB` from the same install rules as `cmake --install`
# (scripts/pacote.sh). dpkg-shlibdeps computes the library dependencies from the binaries; the
# ones it cannot see are listed here: Qt's X11/Wayland platform plugins, loaded at run time, the
# fonts the windows ask for as Arial, and the icon theme whose index makes the icon findable.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvika)
set(CPACK_PACKAGE_VENDOR "Equipe Norvika")
set(CPACK_PACKAGE_CONTACT "Equipe Norvika <equipe@norvika.org.br>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ensino e experimentação com mapas auto-organizáveis de Kohonen")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Escolha um arquivo de padrões rotulados, defina o mapa, a vizinhança e as
regras de aprendizado, treine e explore o mapa: vitórias por neurônio, pesos
e rótulos reunidos, classificação, matriz U, planos de componentes e curvas
de erro. Textos em português do Brasil; números com vírgula decimal. Traz
arquivos de exemplo e as ferramentas de medição norvika-bench e
norvika-gera-dados.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
